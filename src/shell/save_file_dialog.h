// The Save dialog, as one small service so that tests can script the user's
// choice. The program asks its own overwrite question, so the dialog never
// asks one; it adds no extension and starts in no particular folder.
#pragma once

#include <QString>

class QWidget;

namespace shell {

struct SaveFileRequest {
    QString title;
    QString filter;    // pairs of description and pattern, each ended by a bar: "Excel Files (*.xls)|*.xls|"
    QString fileName;  // the name the dialog starts with
};

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen name exactly as the dialog returns it; empty on cancel.
    virtual QString ShowSave(const SaveFileRequest& request) = 0;
};

// Qt's save dialog over the given window.
class QtSaveFileDialog final : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    QString ShowSave(const SaveFileRequest& request) override;

private:
    QWidget* m_parent;
};

// The bar-separated filter in Qt's form: "Excel Files (*.xls)|*.xls|" becomes
// "Excel Files (*.xls)"; a description without its patterns gets them added.
QString qtNameFilter(const QString& barSeparatedFilter);

}  // namespace shell

// The two windows as the generation sees them, for a run without any:
// the figures stand in for the input window's fields, and the preview's
// stand-in keeps the workbook path (and, in the desktop program, the
// picture) instead of showing them.
#pragma once

#include "cli/figures.h"
#include "report/generation_windows.h"

#include <QByteArray>
#include <QString>

namespace cli {

class FiguresInputWindow final : public report::InputWindow {
public:
    explicit FiguresInputWindow(Figures figures) : m_figures(std::move(figures)) {}
    QString fieldText(const QString& fieldName) const override { return m_figures.textOfField(fieldName); }
    void setMousePointer(shell::MousePointer) override {}
    void showWindow() override {}
    void hideWindow() override {}

private:
    Figures m_figures;
};

class CommandPreview : public report::PreviewWindow {
public:
    void setExcelFile(const QString& workbookPath) override { m_workbookPath = workbookPath; }
    void showWindow() override {}
    const QString& workbookPath() const { return m_workbookPath; }

    // The picture the generation handed over, encoded for the file's name
    // (PNG, or BMP for .bmp). Throws std::runtime_error naming the file.
    virtual QByteArray encodedPicture(const QString& fileName) const = 0;

private:
    QString m_workbookPath;
};

// A run that writes a workbook only: it never takes the sheet's picture.
class WorkbookOnlyPreview final : public CommandPreview {
public:
    void loadPicture(const QString& bitmapPath) override;
    QByteArray encodedPicture(const QString& fileName) const override;
};

}  // namespace cli

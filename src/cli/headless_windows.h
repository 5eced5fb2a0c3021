// The two windows as the generation sees them, for a run without any:
// the figures stand in for the input window's fields, and the picture and
// the workbook path are kept instead of being shown.
#pragma once

#include "cli/figures.h"
#include "report/generation_windows.h"

#include <QImage>
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

class KeptPreview final : public report::PreviewWindow {
public:
    // Throws std::runtime_error naming the file when it holds no picture.
    void loadPicture(const QString& bitmapPath) override;
    void setExcelFile(const QString& workbookPath) override { m_workbookPath = workbookPath; }
    void showWindow() override {}

    const QImage& picture() const { return m_picture; }
    const QString& workbookPath() const { return m_workbookPath; }

private:
    QImage m_picture;
    QString m_workbookPath;
};

}  // namespace cli

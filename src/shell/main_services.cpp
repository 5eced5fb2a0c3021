#include "shell/main_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <filesystem>
#include <stdexcept>

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPictureBoxProperty = "quorvanePictureBox";

fs::path toPath(const QString& path) { return fs::path(path.toStdString()); }

void paintButtonFace(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, buttonFaceColor());
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool isPictureBox(const QWidget& widget) { return widget.property(kPictureBoxProperty).toBool(); }

// Colours the window and every child of the kinds the rule names.
void paintWindowAndChildren(QWidget& window, bool includePictureBoxes) {
    paintButtonFace(window);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool colourable = qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
                                qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child);
        if (isPictureBox(*child) ? includePictureBoxes : colourable) paintButtonFace(*child);
    }
}

}  // namespace

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    std::error_code error;
    (void)fs::last_write_time(toPath(path), error);
    return !error;
}

void deleteFile(const QString& path) {
    const fs::path target = toPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::exists(status)) throw std::runtime_error("File not found");
    if (fs::is_directory(status)) throw std::runtime_error("Path/File access error");
    const bool readOnly = !fs::is_symlink(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly) throw std::runtime_error("Permission denied");
    if (!fs::remove(target, error) || error) throw std::runtime_error("Permission denied");
}

void ForceDeleteFile(const QString& path) {
    const fs::path target = toPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::exists(status)) throw std::runtime_error("File not found");
    if (fs::is_directory(status)) throw std::runtime_error("Permission denied");
    if (!fs::is_symlink(status)) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    if (!fs::remove(target, error) || error) throw std::runtime_error("Permission denied: " + error.message());
}

void DeleteTempFile(const QString& path) {
    QCoreApplication::processEvents();
    try {
        deleteFile(path);
    } catch (const std::exception&) {
        try {
            ForceDeleteFile(path);
        } catch (const std::exception&) {
            // Quiet by design: the caller cannot tell whether the file went.
        }
    }
}

QColor buttonFaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

void markAsPictureBox(QWidget& widget) { widget.setProperty(kPictureBoxProperty, true); }

void SetBackColor(QWidget& window) { paintWindowAndChildren(window, false); }

void ApplySkin(QWidget& window, const QString& skinFile) {
    if (!QFileInfo(skinFile).isFile()) return;  // no skin: the designed colours stay
    paintWindowAndChildren(window, true);
    QFile file(skinFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("The skin file " + skinFile.toStdString() + " cannot be read.");
    window.setStyleSheet(QString::fromUtf8(file.readAll()));
}

}  // namespace shell

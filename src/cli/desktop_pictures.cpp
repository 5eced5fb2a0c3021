#include "cli/desktop_pictures.h"

#include "cli/kept_preview.h"
#include "spreadsheet/objects/class_registration.h"

#include <QGuiApplication>

namespace cli {

const PictureCapability& desktopPictures() {
    static const PictureCapability pictures{
        [](automation::Registry& registry) { spreadsheet::objects::registerApplicationClass(registry); },
        // Fonts and a paint device, never a display: the offscreen platform.
        [](int argc, char* argv[], const std::function<int()>& run) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication application(argc, argv);
            return run();
        },
        [] { return std::unique_ptr<CommandPreview>(std::make_unique<KeptPreview>()); },
    };
    return pictures;
}

}  // namespace cli

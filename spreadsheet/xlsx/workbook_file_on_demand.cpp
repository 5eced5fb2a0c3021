// saveWorkbook for the programs: the writer is the module beside the running
// program (open_xml_module.h), loaded once, at the first save, and kept.
#include "spreadsheet/xlsx/open_xml_module.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <dlfcn.h>

#include <system_error>

namespace spreadsheet::xlsx {
namespace {

// The module's entry, or the reason there is none.
struct LoadedModule {
    ModuleEntry entry = nullptr;
    std::string failure;
};

LoadedModule loadModule() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {nullptr, "the program's folder is unknown: " + error.message()};
    const std::filesystem::path module = program.parent_path() / kModuleFileName;
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return {nullptr, std::string("the Excel Workbook writer cannot be loaded: ") + ::dlerror()};
    auto* entry = reinterpret_cast<ModuleEntry>(::dlsym(handle, kModuleEntryName));
    if (!entry) return {nullptr, std::string("the Excel Workbook writer has no entry: ") + ::dlerror()};
    return {entry, {}};
}

const LoadedModule& loadedModule() {
    static const LoadedModule loaded = loadModule();
    return loaded;
}

}  // namespace

void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  const DocumentProperties& properties) {
    const LoadedModule& module = loadedModule();
    if (!module.entry) throw XlsxError(XlsxErrorKind::SaveFailed, "cannot save \"" + path.string() + "\": " + module.failure);
    ModuleSave save{workbook, evaluator, path, properties};
    module.entry(save);
    if (!save.saved) throw XlsxError(save.failureKind, save.failure);
}

}  // namespace spreadsheet::xlsx

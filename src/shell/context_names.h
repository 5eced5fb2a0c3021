// The context names that the procedure error report shows, one per reporting
// procedure, each with its trailing blank. The mixed "picture1"/"Picture1"
// spelling of the preview's mouse handlers is deliberate and must stay.
#pragma once

#include <array>

namespace shell::contexts {

inline constexpr const char* kForm1FormLoad = "in Tarnwick2021/08/31.Form1.Form_Load ";
inline constexpr const char* kForm1PushButton1Click = "in Tarnwick2021/08/31.Form1.PushButton1_Click ";
inline constexpr const char* kForm1PushButton2Click = "in Tarnwick2021/08/31.Form1.PushButton2_Click ";
inline constexpr const char* kForm1PushButton22Click = "in Tarnwick2021/08/31.Form1.PushButton22_Click ";
inline constexpr const char* kExcel1SaveCellsActivesheet = "in Tarnwick2021/08/31.Excel1.saveCellsActivesheet ";
inline constexpr const char* kGenerateReport = "in Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport ";
inline constexpr const char* kPrinterSetup0 = "in Tarnwick2021/08/31.BreakEvenAnalysis.PrinterSetup0 ";
inline constexpr const char* kGenerateReport0 = "in Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport0 ";
inline constexpr const char* kForm2FormActivate = "in Tarnwick2021/08/31.Form2.Form_Activate ";
inline constexpr const char* kForm2FormLoad = "in Tarnwick2021/08/31.Form2.Form_Load ";
inline constexpr const char* kForm2FormQueryUnload = "in Tarnwick2021/08/31.Form2.Form_QueryUnload ";
inline constexpr const char* kForm2PushButton1Click = "in Tarnwick2021/08/31.Form2.PushButton1_Click ";
inline constexpr const char* kForm2PushButton2Click = "in Tarnwick2021/08/31.Form2.PushButton2_Click ";
inline constexpr const char* kForm2PushButton6Click = "in Tarnwick2021/08/31.Form2.PushButton6_Click ";
inline constexpr const char* kForm2PushButton8Click = "in Tarnwick2021/08/31.Form2.PushButton8_Click ";
inline constexpr const char* kForm2Picture1MouseDown = "in Tarnwick2021/08/31.Form2.picture1_MouseDown ";
inline constexpr const char* kForm2Picture1MouseMove = "in Tarnwick2021/08/31.Form2.picture1_MouseMove ";
inline constexpr const char* kForm2Picture1MouseUp = "in Tarnwick2021/08/31.Form2.Picture1_MouseUp ";
inline constexpr const char* kForm2RedrawImage = "in Tarnwick2021/08/31.Form2.RedrawImage ";

inline constexpr std::array<const char*, 19> kAll = {
    kForm1FormLoad,          kForm1PushButton1Click,  kForm1PushButton2Click,  kForm1PushButton22Click,
    kExcel1SaveCellsActivesheet, kGenerateReport,     kPrinterSetup0,          kGenerateReport0,
    kForm2FormActivate,      kForm2FormLoad,          kForm2FormQueryUnload,   kForm2PushButton1Click,
    kForm2PushButton2Click,  kForm2PushButton6Click,  kForm2PushButton8Click,  kForm2Picture1MouseDown,
    kForm2Picture1MouseMove, kForm2Picture1MouseUp,   kForm2RedrawImage,
};

}  // namespace shell::contexts

#pragma once

#include <QString>

class Messenger;

// Where a failure is reported from: "in " + project + build date + "." +
// window or module + "." + procedure + " ".
namespace ReportLocation {
inline constexpr char Form1_Form_Load[] = "in Quillcrest2021/08/31.Form1.Form_Load ";
inline constexpr char Form1_PushButton3_Click[] = "in Quillcrest2021/08/31.Form1.PushButton3_Click ";
inline constexpr char Form1_PushButton4_Click[] = "in Quillcrest2021/08/31.Form1.PushButton4_Click ";
inline constexpr char Form1_PushButton6_Click[] = "in Quillcrest2021/08/31.Form1.PushButton6_Click ";
inline constexpr char Form1_SaveDocAsJPG[] = "in Quillcrest2021/08/31.Form1.SaveDocAsJPG ";
inline constexpr char Form1_BuiltInLetter_Click[] = "in Quillcrest2021/08/31.Form1.BuiltInLetter_Click ";
inline constexpr char Form1_UseMyOwnTemplate_Click[] = "in Quillcrest2021/08/31.Form1.UseMyOwnTemplate_Click ";
inline constexpr char Form1_SaveBuiltInLetterAs_Click[] = "in Quillcrest2021/08/31.Form1.SaveBuiltInLetterAs_Click ";
inline constexpr char Form2_Form_Load[] = "in Quillcrest2021/08/31.Form2.Form_Load ";
inline constexpr char Form2_Form_Activate[] = "in Quillcrest2021/08/31.Form2.Form_Activate ";
inline constexpr char Form2_PushButton1_Click[] = "in Quillcrest2021/08/31.Form2.PushButton1_Click ";
inline constexpr char Form2_PushButton2_Click[] = "in Quillcrest2021/08/31.Form2.PushButton2_Click ";
inline constexpr char Form2_RedrawImage[] = "in Quillcrest2021/08/31.Form2.RedrawImage ";
inline constexpr char Form2_picture1_MouseDown[] = "in Quillcrest2021/08/31.Form2.picture1_MouseDown ";
inline constexpr char Form2_picture1_MouseMove[] = "in Quillcrest2021/08/31.Form2.picture1_MouseMove ";
inline constexpr char Form2_Picture1_MouseUp[] = "in Quillcrest2021/08/31.Form2.Picture1_MouseUp ";
inline constexpr char Form2_PushButton6_Click[] = "in Quillcrest2021/08/31.Form2.PushButton6_Click ";
inline constexpr char Form2_PushButton8_Click[] = "in Quillcrest2021/08/31.Form2.PushButton8_Click ";
inline constexpr char Form2_ExportLetter[] = "in Quillcrest2021/08/31.Form2.ExportLetter ";
inline constexpr char Form2_PrintLetter[] = "in Quillcrest2021/08/31.Form2.PrintLetter ";
inline constexpr char Form2_Form_QueryUnload[] = "in Quillcrest2021/08/31.Form2.Form_QueryUnload ";
} // namespace ReportLocation

inline constexpr char SupportEmail[] = "support@tessaline.example";
inline constexpr char ErrorReportCaption[] = "Application Error";

// The text of the error report: the description, CR LF, the location,
// "at line " and the line, two CRs, and the request for a screenshot.
QString errorReportText(const QString &description, const QString &location, int line);

// Shows the error report (caption "Application Error", warning icon, OK)
// and returns when the user has dismissed it.
void ShowErrorReport(Messenger &messenger, const QString &description, const QString &location, int line);

// The time of each export from the preview, from the command to the file
// in place, side by side with the same conversion of the same letter by
// "soffice --headless --convert-to" (a fresh office for each file, as a
// user scripting it would run). Median of 5 runs each; the preview's
// export takes a ready spare office, as it does when the user has looked
// at the letter for a moment.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include "BenchSupport.h"
#include "LetterBenchSupport.h"
#include "CommonDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "LetterFields.h"
#include "LetterFormat.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "ScratchFiles.h"

namespace {
constexpr int Runs = 5;

// Answers the save dialog with the next name.
class NamingDialog : public CommonDialog
{
public:
    QString next;
    void ShowOpen() override { FileName.clear(); } // the preview opens no file
    void ShowSave() override { FileName = next; }
};

std::vector<double> measureExports(LibreOfficeAutomation &automation, Form2 &preview, NamingDialog &dialog,
                                   word::LetterFormat format, const QString &folder)
{
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) { // run -1 warms up
        // The last export's office ends, and the spares come up, while the
        // user reads "Done.".
        QCoreApplication::processEvents();
        waitFor([&] { return automation.readySpares() == LibreOfficeAutomation::ProgramSpares; }, 30000);
        dialog.next = QStringLiteral("%1/export-%2.%3")
                              .arg(folder)
                              .arg(run + 1)
                              .arg(QLatin1String(word::letterFormatInfo(format).suffix));
        QElapsedTimer timer;
        timer.start();
        preview.exportLetter(format);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!QFileInfo(dialog.next).isFile())
            std::fprintf(stderr, "no file at %s\n", qPrintable(dialog.next));
        if (run >= 0)
            times.push_back(ms);
    }
    return times;
}

std::vector<double> measureConvertTo(const QString &letter, const char *filter, const QString &folder)
{
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) { // run -1 makes the profile
        QElapsedTimer timer;
        timer.start();
        convertWithSoffice(folder + QStringLiteral("/profile"), QString::fromLatin1(filter), folder, letter);
        if (run >= 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchFolder bench;
    QTemporaryDir &work = bench.work;

    // The sample letter in the preview, as a user gets it.
    SampleLetterWindow window(LibreOfficeAutomation::ProgramSpares, LibreOfficeAutomation::ProgramSpares,
                              templateBytes(LetterDesign::Classic));
    LibreOfficeAutomation &automation = window.automation;
    Form1 &form = window.form;
    form.PushButton6_Click();
    Form2 &preview = form.form2();
    auto naming = std::make_unique<NamingDialog>();
    NamingDialog &dialog = *naming;
    preview.setCommonDialog(std::move(naming));
    // The letter's own copy: "< Back" or the end of the program removes the
    // scratch document, the conversions must outlive neither.
    const QString letter = work.filePath(QStringLiteral("letter.doc"));
    QFile::copy(preview.mWordFile, letter);

    std::printf("Export of the sample letter, median of %d runs, this machine (%d cores)\n", Runs,
                QThread::idealThreadCount());
    struct Row
    {
        word::LetterFormat format;
        const char *convertTo;
    };
    for (const Row &row : {Row{word::LetterFormat::Pdf, "pdf:writer_pdf_Export"},
                           Row{word::LetterFormat::WordXml, "docx:MS Word 2007 XML"},
                           Row{word::LetterFormat::OpenDocument, "odt:writer8"}}) {
        const QString name = QString::fromLatin1(word::letterFormatInfo(row.format).name);
        const QString folder = work.filePath(name);
        QDir().mkpath(folder);
        const std::vector<double> fromPreview = measureExports(automation, preview, dialog, row.format, folder);
        const std::vector<double> convertTo = measureConvertTo(letter, row.convertTo, folder);
        printStats(qPrintable(QStringLiteral("%1 from the preview (ready spare)").arg(name)), fromPreview);
        printStats(qPrintable(QStringLiteral("%1 by soffice --convert-to").arg(name)), convertTo);
        std::printf("%-46s %8.2f\n", "ratio preview / convert-to (median)",
                    statsOf(fromPreview).median / statsOf(convertTo).median);
    }
    return 0;
}

#include "PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

std::optional<PrintChoice> QtPrintDialog::ask()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, m_owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.toFile = printer.outputFileName();
    choice.settings.printerName = printer.printerName();
    choice.settings.copies = printer.copyCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        choice.settings.pages = QStringLiteral("%1-%2").arg(printer.fromPage()).arg(printer.toPage());
    return choice;
}

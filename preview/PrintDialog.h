#pragma once

#include <optional>

#include <QString>

#include "WordAutomation.h"

class QWidget;

// What the user chose in the print dialog: a printer with copies and pages,
// or "Print to File", a PDF file.
struct PrintChoice
{
    word::PrintSettings settings;
    QString toFile; // empty: print on settings.printerName
};

// The print dialog of the preview window; tests put their own in its place.
class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    // Shows the dialog and waits; nullopt when the user cancelled.
    virtual std::optional<PrintChoice> ask() = 0;
};

// The platform's print dialog (QPrintDialog): printer, copies, page range,
// and printing to a PDF file, which it offers even where no printer is
// installed.
class QtPrintDialog : public PrintDialog
{
public:
    explicit QtPrintDialog(QWidget *owner) : m_owner(owner) { }
    std::optional<PrintChoice> ask() override;

private:
    QWidget *m_owner;
};

#pragma once

#include <QStringList>
#include <QtTest>

#include "DocumentReader.h"
#include "ErrorReport.h"
#include "LetterEngine.h"
#include "LetterFields.h"
#include "Main.h"

// A letter made by the engine, as the window makes it, waited for here; in
// `held` (as the window keeps its office) when given.
inline MadeLetter makeLetter(word::Automation &office, const LetterRequest &request, HeldOffice *held = nullptr)
{
    LetterEngine engine(office, request, held);
    engine.start();
    engine.waitForWorker();
    engine.complete();
    return engine.result();
}

// A request with the sample entries, a phone and an e-mail, today's date
// and the given template (empty: the built-in one).
inline LetterRequest sampleRequest(const QString &templateFile = QString())
{
    LetterRequest request;
    for (int i = 0; i < VisibleFieldCount; ++i)
        request.fields[size_t(i)] = QString::fromUtf8(LetterFields[size_t(i)].sampleValue);
    request.date = letterDate();
    request.templateFile = templateFile;
    // As the window passes them: the sender's phone and e-mail.
    request.further = {{QStringLiteral("Phone"), QStringLiteral("(208) 555-0100")},
                       {QStringLiteral("Email"), QStringLiteral("dorian@example.org")}};
    return request;
}

// Each report as the user would read it: the error report's text, or the
// plain message.
inline QStringList reportTexts(const MadeLetter &letter)
{
    QStringList texts;
    for (const LetterReport &r : letter.reports)
        texts << (r.plainWords ? r.description : errorReportText(r.description, r.location, r.line));
    return texts;
}

// Makes the letter and reads it back; it must have been made without a
// report.
inline DocumentReader::Document makeAndRead(word::Automation &office, const LetterRequest &request,
                                            DocumentReader &reader, MadeLetter *made = nullptr)
{
    const MadeLetter letter = makeLetter(office, request);
    [&] {
        QVERIFY2(letter.reports.empty(), qPrintable(reportTexts(letter).join(QLatin1Char('\n'))));
        QVERIFY(letter.canShow());
        QVERIFY(FileExists(letter.document));
    }();
    if (made)
        *made = letter;
    return reader.read(letter.document);
}

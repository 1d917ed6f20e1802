#pragma once

#include <QString>

// The office's own mail merge, run as a peer of the batch on the same list
// and letter: the list registered as a flat-file data source, the
// template's placeholders turned into database fields, one file per row
// (Word 97 or OpenDocument) written by the com.sun.star.text.MailMerge
// service.
struct MailMergeRun
{
    double wholeJobMs = 0; // office start to office ended
    double officeStartMs = 0;
    double mergeMs = 0;      // the MailMerge service's execute alone
    double lastLetterMs = 0; // office start to the last letter written
    int lettersWritten = 0;
    QString failure;
};

// `list` is a CSV file whose header names every placeholder (without
// brackets); `letterTemplate` the Word 97 template; letters go to `outDir`
// as .doc, or as .odt when `openDocument`.
MailMergeRun runMailMerge(const QString &list, const QString &letterTemplate, const QString &outDir,
                          bool openDocument = false);

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "LetterFields.h"
#include "LetterFill.h"

// The file name of each letter of a batch, made from a pattern such as
// "{CompanyName} - {RecipientName}": each {Name} is the text of the field
// or further placeholder ({Phone}, {Position}) whose placeholder it names
// (with or without brackets, as people write names: {Company Name}).
class LetterNames
{
public:
    static constexpr char DefaultPattern[] = "{CompanyName} - {RecipientName}";

    // Throws Failure for an unclosed brace or a {…} that can name no
    // placeholder. Which further placeholders there are is known only
    // once the list is read: see check().
    explicit LetterNames(const QString &pattern);

    // Throws Failure naming the first {…} that names no field and none of
    // the further placeholders (by Placeholders::key).
    void check(const QStringList &furtherNames) const;

    // The placeholders the pattern names, without brackets: the fields'
    // as the letter's fields spell them, the others as the pattern does.
    QStringList placeholders() const;

    // The name for a row's texts, without an extension, made fit for a
    // file by safeFileName (SafeFileName.h). Empty when nothing of it is a
    // letter or a digit ("-" of a row without company and recipient): see
    // forLine().
    QString nameFor(const std::array<QString, FieldCount> &texts, const FurtherValues &further = {}) const;

    // The name of a row whose own name came out empty: "Letter" and the
    // row's line in the list ("Letter 7"), which finds it there.
    static QString forLine(int line);

    // One name for each wanted name, none of them given twice in a run:
    // a name wanted again gets " (2)", " (3)" and so on, passing over every
    // number that another row wants for itself, that the run has given out
    // already, or that `present` says a file in the folder has. Names that
    // differ in letter case alone count as one, as on file systems that
    // ignore case. A name wanted once keeps it, present or not.
    static std::vector<QString> unique(const std::vector<QString> &wanted,
                                       const std::function<bool(const QString &)> &present);

private:
    struct Part
    {
        QString literal;
        int field = -1;  // -1: literal text, or a further placeholder
        QString further; // the further placeholder's name
    };
    std::vector<Part> m_parts;
};

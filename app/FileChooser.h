#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "LetterFormat.h"

class QWidget;

// The main window's file dialogs, behind an interface so that tests can
// answer them without a modal loop.
class FileChooser
{
public:
    virtual ~FileChooser() = default;

    // An existing file to open as the letter template, or empty when the
    // user cancelled. Starts in startFolder.
    virtual QString openTemplate(const QString &startFolder, const QStringList &filters) = 0;

    // A name to save the built-in letter under, and the format chosen in
    // the dialog; nullopt when the user cancelled. The dialog asks nothing
    // about an existing file (the command asks its own question).
    struct SaveChoice
    {
        QString path;
        word::LetterFormat format;
    };
    virtual std::optional<SaveChoice> saveLetter(const QString &suggestedPath,
                                                 const std::vector<word::LetterFormat> &formats) = 0;
};

// The real dialogs: QFileDialog.
class FileDialogChooser : public FileChooser
{
public:
    explicit FileDialogChooser(QWidget *owner) : m_owner(owner) { }
    QString openTemplate(const QString &startFolder, const QStringList &filters) override;
    std::optional<SaveChoice> saveLetter(const QString &suggestedPath,
                                         const std::vector<word::LetterFormat> &formats) override;

private:
    QWidget *m_owner;
};

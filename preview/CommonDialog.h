#pragma once

#include <QString>

class QWidget;

// The file dialog of both windows, the one seam through which either asks
// for a file (tests answer it without a modal loop): a title, a filter
// ("Description (*.ext)|*.ext", a pair for each kind of file), the kind
// chosen, the extension added to a name typed without one, the folder it
// opens in, and the file name, which is the chosen path after ShowOpen or
// ShowSave, or empty when the user cancelled.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString FileName;
    QString DialogTitle;
    QString Filter;
    int FilterIndex = 1; // the kind of file shown first, and then chosen, from 1
    QString DefaultExt;  // without the dot; empty: nothing is added
    QString InitDir;     // empty: the folder the dialog remembers

    // Shows the dialog for an existing file and waits; sets FileName.
    virtual void ShowOpen() = 0;
    // Shows the dialog for a file to write and waits; sets FileName and
    // FilterIndex. It asks nothing about an existing file (the commands
    // ask their own question).
    virtual void ShowSave() = 0;
};

// Where a file dialog opens when nothing else says where: the user's
// Documents folder, or the home folder where there is none.
QString documentsFolder();

// The name with ".suffix" added when it has no extension of its own (an
// empty name or suffix: the name as it is).
QString withDefaultSuffix(const QString &name, const QString &suffix);

// The real dialog: QFileDialog, with its own overwrite question switched
// off. Unless told a folder, it opens in the folder of the last file saved
// through it (kept in the settings under "SaveFolder", so it survives a
// restart), else in the user's Documents. Choosing another kind of file
// in the save form changes the typed name's suffix to match.
class FileDialogCommonDialog : public CommonDialog
{
public:
    explicit FileDialogCommonDialog(QWidget *owner) : m_owner(owner) { }
    void ShowOpen() override;
    void ShowSave() override;

    // "Word Files (*.doc)|*.doc" as a Qt name filter: "Word Files (*.doc)".
    static QString qtNameFilter(const QString &filter);
    // Where the dialog opens when told no folder.
    static QString rememberedFolder();

private:
    QWidget *m_owner;
};

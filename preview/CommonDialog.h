#pragma once

#include <QString>

class QWidget;

// The file dialog of the preview window, in its save form: a title, a
// filter ("Description (*.ext)|*.ext"), the extension added to a name typed
// without one, the folder it opens in, and the file name, which is the
// chosen path after ShowSave, or empty when the user cancelled.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString FileName;
    QString DialogTitle;
    QString Filter;
    QString DefaultExt; // without the dot; empty: nothing is added
    QString InitDir;    // empty: the folder the dialog remembers

    // Shows the dialog and waits; sets FileName.
    virtual void ShowSave() = 0;
};

// The name with ".suffix" added when it has no extension of its own (an
// empty name or suffix: the name as it is).
QString withDefaultSuffix(const QString &name, const QString &suffix);

// The real dialog: QFileDialog, with its own overwrite question switched
// off (the commands ask their own). Unless told a folder, it opens in the
// folder of the last file chosen in it (kept in the settings under
// "SaveFolder", so it survives a restart), else in the user's Documents.
class FileDialogCommonDialog : public CommonDialog
{
public:
    explicit FileDialogCommonDialog(QWidget *owner) : m_owner(owner) { }
    void ShowSave() override;

    // "Word Files (*.doc)|*.doc" as a Qt name filter: "Word Files (*.doc)".
    static QString qtNameFilter(const QString &filter);
    // Where the dialog opens when told no folder.
    static QString rememberedFolder();

private:
    QWidget *m_owner;
};

#pragma once

#include <QString>
#include <QVariant>

// The optional skin component, driven late-bound by dispatch number. Its
// skin file is a Qt style sheet.
//
// Members:
//   1  Options (32-bit flags, read and write): bit 0 lets ApplyWindow skin
//      the window; the other bits are kept as given.
//   2  LoadSkin(path, section): reads the skin file; fails when it cannot.
//   3  ApplyWindow(handle): skins the top-level window with that handle.
//   5  Enabled (bool): while false, ApplyWindow changes nothing.
//   10 LockAfterApply (bool): when true, once a window has been skinned the
//      skin can no longer be replaced by a later LoadSkin.
class SkinFramework
{
public:
    enum Member { Options = 1, LoadSkin = 2, ApplyWindow = 3, Enabled = 5, LockAfterApply = 10 };

    // Calls a method member. Throws Failure on a bad member or argument,
    // or when the skin file cannot be read.
    QVariant invoke(int member, const QVariantList &arguments);
    QVariant property(int member) const;
    void setProperty(int member, const QVariant &value);

    QString styleSheet() const { return m_styleSheet; }

private:
    QString m_styleSheet;
    qint32 m_options = 0;
    bool m_enabled = false;
    bool m_lockAfterApply = false;
    bool m_applied = false;
};

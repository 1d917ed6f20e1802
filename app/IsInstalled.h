#pragma once

#include <QString>

class Messenger;
namespace word {
class Automation;
}

// The start-up check that the office can be started: creates an instance
// and quits it again. Every failure inside is ignored. When no instance can
// be created it shows what to check and answers false: the program must
// then end without showing its main window.
bool CheckWordInstalled(word::Automation &automation, Messenger &messenger);

// The message shown when no instance can be created, with the reason the
// office gave (when there is one) below it.
QString officeMissingMessage(const QString &reason = QString());

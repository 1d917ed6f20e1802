#pragma once

// Warming a fresh office: internal to the LibreOffice backend.

#include <QByteArray>
#include <QString>

#include <com/sun/star/frame/XDesktop2.hpp>

// Opens a document once in the office, writes it in Word 97 format and its
// first page as a picture, and closes it, so that Writer, the Word filters
// and the picture export are loaded before the first letter needs them.
// The files live in `folder` (the office's private profile folder) and
// are removed. Returns whether it went through: an office that failed it
// (killed by a deadline, gone) is not one to hand out. Any thread may run
// it.
bool warmUpOffice(const com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2> &desktop,
                  const QString &folder, const QByteArray &document);

#include "OfficeWarmUp.h"

#include <QFile>

#include "UnoHelpers.h"

using namespace libreoffice;

bool warmUpOffice(const Reference<frame::XDesktop2> &desktop, const QString &folder, const QByteArray &document)
{
    // The picture is small: the filter's code is what is worth loading.
    constexpr sal_Int32 PicturePixels = 64;
    const QString source = folder + QStringLiteral("/warm-up.doc");
    const QString copy = folder + QStringLiteral("/warm-up-copy.doc");
    const QString picture = folder + QStringLiteral("/warm-up.jpg");
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(document) != document.size())
        return true; // no room to warm up in: the office itself is fine
    file.close();
    bool warmed = true;
    try {
        Reference<lang::XComponent> model = desktop->loadComponentFromURL(
                plainFileUrl(source), "_blank", 0,
                properties({property("Hidden", uno::Any(true)), property("ReadOnly", uno::Any(true))}));
        Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
        storable->storeToURL(plainFileUrl(copy),
                             properties({property("FilterName", uno::Any(OUString("MS Word 97")))}));
        storable->storeToURL(plainFileUrl(picture),
                             properties({
                                     property("FilterName", uno::Any(OUString("writer_jpg_Export"))),
                                     property("FilterData",
                                              uno::Any(properties({property("PixelWidth", uno::Any(PicturePixels)),
                                                                   property("PixelHeight", uno::Any(PicturePixels))}))),
                             }));
        Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
    } catch (const uno::Exception &) {
        warmed = false;
    }
    for (const QString &path : {source, copy, picture})
        QFile::remove(path);
    return warmed;
}

#include "LibreOfficeInstance.h"

#include <algorithm>
#include <cmath>

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/graphic/XGraphicProvider.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/util/XSearchable.hpp>

namespace libreoffice {

namespace awt = com::sun::star::awt;
namespace graphic = com::sun::star::graphic;

namespace {

// The picture's own proportions: its size on paper, else (a picture that
// names no resolution) its size in pixels.
double widthPerHeight(const Reference<graphic::XGraphic> &picture)
{
    Reference<beans::XPropertySet> described(picture, UNO_QUERY_THROW);
    awt::Size size;
    described->getPropertyValue("Size100thMM") >>= size;
    if (size.Width <= 0 || size.Height <= 0)
        described->getPropertyValue("SizePixel") >>= size;
    if (size.Width <= 0 || size.Height <= 0)
        throw Failure(QObject::tr("The office cannot tell the size of the picture"));
    return double(size.Width) / double(size.Height);
}

} // namespace

int placePicture(Instance &instance, const Reference<lang::XComponent> &model, const QString &placeholder,
                 const QString &path, double heightMm)
{
    const QString what = QObject::tr("PlacePicture %1").arg(path);
    instance.ensureAlive(what);
    // The search tools' hits may lie where the picture goes.
    instance.forgetDocument();
    return officeCall(*instance.office, what, [&] {
        const Reference<graphic::XGraphicProvider> provider
                = graphic::GraphicProvider::create(instance.office->context());
        const Reference<graphic::XGraphic> picture
                = provider->queryGraphic(properties({property("URL", uno::Any(fileUrl(*instance.office, path)))}));
        if (!picture.is())
            throw Failure(QObject::tr("The office cannot read the picture %1").arg(path));
        const sal_Int32 height = sal_Int32(std::lround(heightMm * 100));
        const sal_Int32 width = std::max<sal_Int32>(1, sal_Int32(std::lround(height * widthPerHeight(picture))));

        Reference<util::XSearchable> searchable(model, UNO_QUERY_THROW);
        const Reference<util::XSearchDescriptor> search = searchable->createSearchDescriptor();
        search->setSearchString(toOUString(placeholder));
        Reference<beans::XPropertySet>(search, UNO_QUERY_THROW)
                ->setPropertyValue("SearchCaseSensitive", uno::Any(false));
        const Reference<container::XIndexAccess> found = searchable->findAll(search);
        Reference<lang::XMultiServiceFactory> factory(model, UNO_QUERY_THROW);
        const sal_Int32 count = found.is() ? found->getCount() : 0;
        for (sal_Int32 i = 0; i < count; ++i) {
            Reference<text::XTextRange> place(found->getByIndex(i), UNO_QUERY_THROW);
            Reference<beans::XPropertySet> object(factory->createInstance("com.sun.star.text.TextGraphicObject"),
                                                  UNO_QUERY_THROW);
            // A character of its line: it moves with the text around it,
            // in every format the letter is saved in.
            object->setPropertyValue("AnchorType", uno::Any(text::TextContentAnchorType_AS_CHARACTER));
            object->setPropertyValue("Graphic", uno::Any(picture));
            object->setPropertyValue("Width", uno::Any(width));
            object->setPropertyValue("Height", uno::Any(height));
            // In place of the placeholder's text.
            place->getText()->insertTextContent(place, Reference<text::XTextContent>(object, UNO_QUERY_THROW), true);
        }
        return int(count);
    });
}

} // namespace libreoffice

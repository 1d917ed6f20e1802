#pragma once

#include <QImage>
#include <QList>

// Where a page picture holds ink (a pixel darker than mid grey): the
// indexes of its rows, or of its columns, that have any, in order.
inline QList<int> pictureInk(const QImage &picture, Qt::Orientation lines)
{
    const bool rows = lines == Qt::Horizontal;
    const int count = rows ? picture.height() : picture.width();
    const int length = rows ? picture.width() : picture.height();
    QList<int> inked;
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < length; ++j)
            if (qGray(rows ? picture.pixel(j, i) : picture.pixel(i, j)) < 128) {
                inked << i;
                break;
            }
    return inked;
}
inline QList<int> inkRows(const QImage &picture)
{
    return pictureInk(picture, Qt::Horizontal);
}
inline QList<int> inkColumns(const QImage &picture)
{
    return pictureInk(picture, Qt::Vertical);
}

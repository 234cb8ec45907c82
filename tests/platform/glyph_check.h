#pragma once
// What a laid-out document really draws: the pixels it inks and, for
// each character, whether the face Qt picked for it holds that character.
// A face that lacks a character (such as a symbol-encoded face standing in
// for a family name) lays it out as an empty glyph, which no text check sees.
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>
#include <string>

#include "support/grab.h"

namespace testsupport {

// Paints the document on white and counts the inked pixels, faint edges of
// thin strokes included (this also lays the document out).
inline int InkPixels(const QTextDocument& doc, const QString& grabName = QString()) {
    // A copy of its own, laid out in one wide page: a pane's document is laid
    // out by its widget, which a test never shows.
    const std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setTextWidth(2000);
    copy->setTextWidth(copy->idealWidth() + 4);
    const QSize size = copy->size().toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        copy->drawContents(&painter);
    }
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 240) ++inked;
    if (!grabName.isEmpty()) SaveGrab(image, grabName);
    return inked;
}

// The characters of the document (blanks aside) that the face chosen for
// them does not hold, each as "U+XXXX in <family>" (or "not laid out", so
// that a document never laid out cannot pass unseen); empty when every
// character has its glyph. A grab name keeps a picture of it (grab.h).
inline std::string MissingGlyphs(const QTextDocument& doc, const QString& grabName = QString()) {
    if (!grabName.isEmpty()) InkPixels(doc, grabName);
    const std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setTextWidth(2000);
    copy->size();  // lays it out
    QString missing;
    for (QTextBlock b = copy->begin(); b.isValid(); b = b.next()) {
        QTextLayout* layout = b.layout();
        const QString text = b.text();
        for (int i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            if (ch.isSpace()) continue;
            const QList<QGlyphRun> runs = layout->glyphRuns(i, 1);
            if (runs.isEmpty())
                missing += QStringLiteral("U+%1 not laid out; ").arg(QString::number(ch.unicode(), 16).toUpper());
            for (const QGlyphRun& run : runs) {
                const QRawFont font = run.rawFont();
                bool held = font.supportsCharacter(ch);
                for (quint32 g : run.glyphIndexes()) held = held && g != 0;
                if (!held)
                    missing += QStringLiteral("U+%1 in %2; ")
                                   .arg(QString::number(ch.unicode(), 16).toUpper(), font.familyName());
            }
        }
    }
    return missing.toStdString();
}

}  // namespace testsupport

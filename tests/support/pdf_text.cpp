#include "support/pdf_text.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtEndian>

namespace testsupport {

namespace {

using CharMap = QHash<uint, QString>;

QString Latin1(const QByteArray& b) { return QString::fromLatin1(b); }

// Object number -> body (between "obj" and "endobj").
QHash<int, QByteArray> Objects(const QByteArray& pdf) {
    QHash<int, QByteArray> objects;
    static const QRegularExpression re(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const QString text = Latin1(pdf);
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        objects.insert(m.captured(1).toInt(), m.captured(2).toLatin1());
    }
    return objects;
}

// The number of the object that `key` refers to in a dictionary body, or -1.
int Ref(const QByteArray& body, const QString& key) {
    const QRegularExpression re(QRegularExpression::escape(key) + QStringLiteral("\\s+(\\d+) 0 R"));
    const auto m = re.match(Latin1(body));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A stream's data, inflated when it is compressed.
QByteArray StreamData(const QByteArray& body) {
    int start = body.indexOf("stream");
    const int end = body.lastIndexOf("endstream");
    if (start < 0 || end < start) return {};
    start += 6;
    if (body.at(start) == '\r') ++start;
    if (body.at(start) == '\n') ++start;
    QByteArray data = body.mid(start, end - start);
    if (data.endsWith('\n')) data.chop(1);
    if (!body.left(start).contains("/FlateDecode")) return data;
    // qUncompress wants the expected size in front; it grows past it.
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size() * 8), sized.data());
    return qUncompress(sized + data);
}

QString Utf16FromHex(const QString& hex) {
    QString s;
    for (int i = 0; i + 4 <= hex.size(); i += 4) s += QChar(hex.mid(i, 4).toUShort(nullptr, 16));
    return s;
}

// A ToUnicode map: bfchar pairs and bfrange lines (an offset or an array).
CharMap ParseCMap(const QByteArray& cmap) {
    CharMap map;
    const QString text = Latin1(cmap);
    static const QRegularExpression chars(QStringLiteral("beginbfchar(.*?)endbfchar"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pair(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    for (auto it = chars.globalMatch(text); it.hasNext();)
        for (auto p = pair.globalMatch(it.next().captured(1)); p.hasNext();) {
            const auto m = p.next();
            map.insert(m.captured(1).toUInt(nullptr, 16), Utf16FromHex(m.captured(2)));
        }
    static const QRegularExpression ranges(QStringLiteral("beginbfrange(.*?)endbfrange"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]+)>|\\[([^\\]]*)\\])"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto it = ranges.globalMatch(text); it.hasNext();)
        for (auto r = range.globalMatch(it.next().captured(1)); r.hasNext();) {
            const auto m = r.next();
            const uint lo = m.captured(1).toUInt(nullptr, 16);
            const uint hi = m.captured(2).toUInt(nullptr, 16);
            if (!m.captured(3).isEmpty()) {
                const QString first = Utf16FromHex(m.captured(3));
                for (uint c = lo; c <= hi && !first.isEmpty(); ++c)
                    map.insert(c, first.left(first.size() - 1) + QChar(first.back().unicode() + (c - lo)));
            } else {
                uint c = lo;
                for (auto h = hex.globalMatch(m.captured(4)); h.hasNext() && c <= hi; ++c)
                    map.insert(c, Utf16FromHex(h.next().captured(1)));
            }
        }
    return map;
}

QString PageText(const QHash<int, QByteArray>& objects, const QByteArray& page) {
    // Font resource name -> character map.
    QHash<QString, CharMap> fonts;
    const QByteArray resources = objects.value(Ref(page, QStringLiteral("/Resources")));
    static const QRegularExpression fontDict(QStringLiteral("/Font\\s*<<(.*?)>>"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression fontRef(QStringLiteral("/(\\w+)\\s+(\\d+) 0 R"));
    const auto dict = fontDict.match(Latin1(resources));
    for (auto it = fontRef.globalMatch(dict.captured(1)); it.hasNext();) {
        const auto m = it.next();
        const QByteArray font = objects.value(m.captured(2).toInt());
        fonts.insert(m.captured(1), ParseCMap(StreamData(objects.value(Ref(font, QStringLiteral("/ToUnicode"))))));
    }

    const QString content = Latin1(StreamData(objects.value(Ref(page, QStringLiteral("/Contents")))));
    static const QRegularExpression ops(
        QStringLiteral("/(\\w+)\\s+[-\\d.]+\\s+Tf|<([0-9A-Fa-f]*)>\\s*Tj|\\[([^\\]]*)\\]\\s*TJ"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]*)>"));
    QString text;
    const CharMap* font = nullptr;
    auto show = [&](const QString& codes) {
        for (int i = 0; font && i + 4 <= codes.size(); i += 4) text += font->value(codes.mid(i, 4).toUInt(nullptr, 16));
    };
    for (auto it = ops.globalMatch(content); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            auto f = fonts.constFind(m.captured(1));
            font = f == fonts.constEnd() ? nullptr : &*f;
        } else if (m.capturedStart(2) >= 0) {
            show(m.captured(2));
        } else {
            for (auto h = hex.globalMatch(m.captured(3)); h.hasNext();) show(h.next().captured(1));
        }
    }
    // Qt's writer maps the space glyph back to the tab, which shares it.
    return text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

}  // namespace

std::vector<QString> PdfPageTexts(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QHash<int, QByteArray> objects = Objects(f.readAll());
    std::vector<QString> pages;
    for (const QByteArray& body : objects) {
        if (!body.contains("/Type /Pages")) continue;
        static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
        static const QRegularExpression ref(QStringLiteral("(\\d+) 0 R"));
        const auto k = kids.match(Latin1(body));
        for (auto it = ref.globalMatch(k.captured(1)); it.hasNext();)
            pages.push_back(PageText(objects, objects.value(it.next().captured(1).toInt())));
        break;
    }
    return pages;
}

}  // namespace testsupport

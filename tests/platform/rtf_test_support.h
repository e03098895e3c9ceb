// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace rtftest {

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(path));
    return file.readAll();
}

#ifdef VELTRANO_RTF_FIXTURES
// Documents written by other programs, kept in tests/fixtures/rtf.
inline QByteArray fixture(const QString& name)
{
    return readFile(QStringLiteral(VELTRANO_RTF_FIXTURES "/") + name);
}
#endif

inline QTextBlock blockAt(const QTextDocument& document, int paragraph)
{
    return document.findBlockByNumber(paragraph - 1);
}

// The runs of a block from `from` on, adjacent equal formats merged, each as
// "<flags><points>|<text>" with flags b, i, u: "bi11|bold italic".
inline QStringList runs(const QTextBlock& block, int from = 0)
{
    QStringList result;
    QString lastTag;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(0, from - (fragment.position() - block.position()));
        if (start >= fragment.length())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        QString tag;
        if (format.fontWeight() >= QFont::Bold)
            tag += 'b';
        if (format.fontItalic())
            tag += 'i';
        if (format.fontUnderline())
            tag += 'u';
        tag += QString::number(format.fontPointSize());
        const QString text = fragment.text().mid(start);
        if (tag == lastTag)
            result.last() += text;
        else
            result << tag + '|' + text;
        lastTag = tag;
    }
    return result;
}

inline QString family(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

} // namespace rtftest

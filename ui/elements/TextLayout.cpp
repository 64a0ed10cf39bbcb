#include "TextLayout.h"

#include <QPainter>

namespace {

int tabStop(const QFontMetrics &metrics)
{
    return qMax(1, 8 * metrics.averageCharWidth());
}

QString shownText(const QString &text, bool showAccelChar)
{
    return showAccelChar ? stripAccelChars(text) : text;
}

// Width of one line, tabs expanded from the line's start.
int lineWidth(const QFontMetrics &metrics, const QString &line, bool showAccelChar)
{
    const int stop = tabStop(metrics);
    int x = 0;
    const QStringList runs = line.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i > 0)
            x = (x / stop + 1) * stop;
        x += metrics.horizontalAdvance(shownText(runs[i], showAccelChar));
    }
    return x;
}

QStringList hardLines(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
        }
    }
    lines << current;
    return lines;
}

// Cuts a word wider than `limit` into pieces that fit, one character at least each.
QStringList cutWord(const QFontMetrics &metrics, const QString &word, int limit, bool showAccelChar)
{
    QStringList pieces;
    QString piece;
    for (const QChar c : word) {
        if (!piece.isEmpty() && lineWidth(metrics, piece + c, showAccelChar) > limit) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

// Greedy word wrap of one hard line: words are the runs between blanks; the
// blanks at a break are dropped.
void wrapLine(const QFontMetrics &metrics, const QString &line, const TextOptions &options,
              QList<TextLine> &out)
{
    const bool accel = options.showAccelChar;
    QStringList words = line.split(QLatin1Char(' '));
    if (options.breakWidth > 0) {
        QStringList pieces;
        for (const QString &word : words) {
            if (lineWidth(metrics, word, accel) > options.breakWidth)
                pieces << cutWord(metrics, word, options.breakWidth, accel);
            else
                pieces << word;
        }
        words = pieces;
    }

    QString current;
    bool started = false;
    for (const QString &word : words) {
        const QString candidate = started ? current + QLatin1Char(' ') + word : word;
        if (started && !current.isEmpty() && lineWidth(metrics, candidate, accel) > options.wrapWidth) {
            out << TextLine{current, lineWidth(metrics, current, accel)};
            current = word;
        } else {
            current = candidate;
        }
        started = true;
    }
    out << TextLine{current, lineWidth(metrics, current, accel)};
}

} // namespace

QString stripAccelChars(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                shown += QLatin1Char('&');
            ++i;
            if (i < text.size() && text[i] != QLatin1Char('&'))
                shown += text[i];
        } else {
            shown += text[i];
        }
    }
    return shown;
}

TextBlock layoutText(const QFontMetrics &metrics, const QString &text, const TextOptions &options)
{
    TextBlock block;
    block.lineHeight = metrics.height();
    for (const QString &line : hardLines(text)) {
        if (options.wrapWidth > 0)
            wrapLine(metrics, line, options, block.lines);
        else
            block.lines << TextLine{line, lineWidth(metrics, line, options.showAccelChar)};
    }
    for (const TextLine &line : block.lines)
        block.width = qMax(block.width, line.width);
    block.height = int(block.lines.size()) * block.lineHeight;
    return block;
}

void drawTextBlock(QPainter &painter, const TextBlock &block, QPoint origin, bool showAccelChar)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int stop = tabStop(metrics);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine
                      | (showAccelChar ? int(Qt::TextShowMnemonic) : 0);
    int y = origin.y();
    for (const TextLine &line : block.lines) {
        int x = 0;
        const QStringList runs = line.text.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < runs.size(); ++i) {
            if (i > 0)
                x = (x / stop + 1) * stop;
            const int runWidth = metrics.horizontalAdvance(shownText(runs[i], showAccelChar));
            painter.drawText(QRect(origin.x() + x, y, runWidth + 1, block.lineHeight), flags, runs[i]);
            x += runWidth;
        }
        y += block.lineHeight;
    }
}

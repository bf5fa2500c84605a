#include "qt/time_format.h"

namespace {

bool isFieldLetter(QChar c) {
    return c == u'd' || c == u'H' || c == u'h' || c == u'm' || c == u'M' || c == u's' || c == u'y' || c == u't';
}

void appendLiteral(QString& out, const QString& literal) {
    if (literal.isEmpty()) return;
    QString escaped = literal;
    escaped.replace(u'\'', QStringLiteral("''"));
    out += u'\'' + escaped + u'\'';
}

}  // namespace

QString toQtTimeFormat(const QString& pickerFormat) {
    QString out;
    QString literal;
    for (qsizetype i = 0; i < pickerFormat.size(); ++i) {
        const QChar c = pickerFormat[i];
        if (c == u'\'') {
            // Quoted text of the picker format is literal as it stands.
            const qsizetype end = pickerFormat.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pickerFormat.size() : end;
            literal += pickerFormat.mid(i + 1, stop - i - 1);
            i = stop;
            continue;
        }
        if (!isFieldLetter(c)) {
            literal += c;
            continue;
        }
        appendLiteral(out, literal);
        literal.clear();
        qsizetype run = 1;
        while (i + run < pickerFormat.size() && pickerFormat[i + run] == c) ++run;
        // The picker's "t" and "tt" (AM/PM marker) are Qt's "AP"; Qt's "t"
        // would be the time zone.
        out += c == u't' ? QStringLiteral("AP") : QString(run, c);
        i += run - 1;
    }
    appendLiteral(out, literal);
    return out;
}

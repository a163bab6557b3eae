#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace kv::test {
namespace {

// "Makeable contracts NT ♠ ♥ ♦ ♣ N 3 4 2 – – S ... W ... Par NS 4♠= +620".
void ReadResults(const QString& text, TPrintedBoard& board) {
    static const QRegularExpression grid(QStringLiteral(
        "^Makeable contracts NT \u2660 \u2665 \u2666 \u2663 N (.+) S (.+) E (.+) W (.+) "
        "Par (.+) ([+-]\\d+|0)$"));
    const auto m = grid.match(text);
    if (!m.hasMatch()) return;
    board.HasResults = true;
    for (int d = 0; d < 4; ++d) {
        const QStringList cells = m.captured(d + 1).split(u' ');
        for (int s = 0; s < 5 && s < cells.size(); ++s)
            board.Makeable[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)] = cells[s];
    }
    board.ParContract = m.captured(5);
    board.ParScore = m.captured(6);
}

TPrintedBoard ReadBoard(int number, const QString& chunk) {
    TPrintedBoard board;
    board.Number = number;
    QString text = chunk.simplified();
    const qsizetype results = text.indexOf(QStringLiteral("Makeable contracts"));
    if (results >= 0) {
        ReadResults(text.mid(results), board);
        text.truncate(results);
    }
    const auto dealer = QRegularExpression("Dealer (North|East|South|West)").match(text);
    if (dealer.hasMatch()) board.Dealer = dealer.captured(1);
    const auto vul = QRegularExpression("Vul (None|N-S|E-W|Both)").match(text);
    if (vul.hasMatch()) board.Vul = vul.captured(1);
    static const QRegularExpression hand(
        QStringLiteral("\u2660 (.*?) \u2665 (.*?) \u2666 (.*?) \u2663 ([AKQJT0-9\u2014 ]*)"));
    for (auto it = hand.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        board.Hands.push_back({m.captured(1).trimmed(), m.captured(2).trimmed(),
                               m.captured(3).trimmed(), m.captured(4).trimmed()});
    }
    return board;
}

void ReadPage(const QString& page, std::vector<TPrintedCopy>& copies) {
    static const QRegularExpression header(QStringLiteral("^(.*) Page (\\d+) of (\\d+)$"),
                                           QRegularExpression::MultilineOption);
    const auto head = header.match(page);
    if (!head.hasMatch()) return;
    if (head.captured(2) == QStringLiteral("1") || copies.empty())
        copies.push_back({head.captured(1), head.captured(3).toInt(), {}});
    static const QRegularExpression boardStart(QStringLiteral("Board (\\d+)"));
    std::vector<QRegularExpressionMatch> starts;
    for (auto it = boardStart.globalMatch(page); it.hasNext();)
        starts.push_back(it.next());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].capturedStart() : page.size();
        const qsizetype begin = starts[i].capturedEnd();
        copies.back().Boards.push_back(
            ReadBoard(starts[i].captured(1).toInt(), page.mid(begin, end - begin)));
    }
}

} // namespace

QString PdfToText(const QString& pdfFile) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfFile,
                   QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<TPrintedCopy> ReadCopies(const QString& pdfText) {
    std::vector<TPrintedCopy> copies;
    for (const QString& page : pdfText.split(QChar(u'\f'), Qt::SkipEmptyParts))
        ReadPage(page, copies);
    return copies;
}

std::string AsDealTextHolding(const QString& printed) {
    QString text = printed;
    text.remove(QChar(u'\u2014')).remove(u' ').replace(QStringLiteral("10"), QStringLiteral("T"));
    return text.toStdString();
}

} // namespace kv::test

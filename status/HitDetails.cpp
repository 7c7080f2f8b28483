#include "status/HitDetails.h"

#include "combat/FightShip.h"
#include "combat/Identification.h"

#include <QScrollBar>

namespace {

const std::string kCurrencySign = "\u00A4"; // marks lines the player may not see

// The first n characters of a UTF-8 line (whole characters, not bytes).
std::string firstCharacters(const std::string& line, int n) {
    size_t i = 0;
    for (int count = 0; i < line.size() && count < n; ++count) {
        ++i;
        while (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) ++i;
    }
    return line.substr(0, i);
}

bool contains(const std::string& line, const char* text) { return line.find(text) != std::string::npos; }

QString joinLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l);
    return out.join(QLatin1Char('\n'));
}

QPlainTextEdit* makeMemo(QWidget* parent, const char* name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

} // namespace

std::vector<std::string> ReworkHitLog(const std::vector<std::string>& lines, bool fullDetail) {
    std::vector<std::string> out(lines);
    for (size_t k = out.size(); k-- > 0;) {
        std::string& line = out[k];
        if (!fullDetail) {
            const size_t paren = line.find('(');
            if (paren != std::string::npos) line.erase(paren);
            else if (contains(line, "Mine") || (contains(line, "Torpedo") && !contains(line, "reloaded")))
                line = firstCharacters(line, 5) + " Mine/Torpedo";
        }
        if (line.compare(0, kCurrencySign.size(), kCurrencySign) == 0) {
            if (fullDetail) line.erase(0, kCurrencySign.size());
            else out.erase(out.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
    return out;
}

TdlgHitDetails::TdlgHitDetails(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgHitDetails"));
    setFixedSize(416, 470);
    mmHits = makeMemo(this, "mmHits");
    mmHits->setGeometry(16, 16, 385, 393);
    mmHits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lbRoundsFiredAt = new QLabel(QStringLiteral("Rounds fired at ship last turn:"), this);
    lbRoundsFiredAt->setObjectName(QStringLiteral("lbRoundsFiredAt"));
    lbRoundsFiredAt->setGeometry(16, 416, 270, 20);
    bnClose = new QPushButton(QStringLiteral("Close"), this);
    bnClose->setObjectName(QStringLiteral("Button1"));
    bnClose->setGeometry(296, 424, 105, 33);
    bnClose->setAutoDefault(false);
    connect(bnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TdlgHitDetails::FillHitDetails(const TFightingShip& ship) {
    setWindowTitle(QString::fromStdString("Log entries for " + DisplayName(ship)));
    mmHits->setUpdatesEnabled(false);
    mmHits->setPlainText(joinLines(ReworkHitLog(ship.HitLog, FullLogDetail)));
    mmHits->setUpdatesEnabled(true);
    // UnderFire is the fire received in the last turn.
    lbRoundsFiredAt->setText(QStringLiteral("Rounds fired at ship last turn: ") + QString::number(ship.UnderFire));
}

void TdlgHitDetails::ShowHitDetails(const TFightingShip& ship) {
    FillHitDetails(ship);
    exec();
}

TdlgAccuracy::TdlgAccuracy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAccuracy"));
    setWindowTitle(QStringLiteral("Accuracy report"));
    setFixedSize(275, 304);
    Memo1 = makeMemo(this, "Memo1");
    Memo1->setGeometry(8, 16, 257, 233);
    bnClose = new QPushButton(QStringLiteral("Close"), this);
    bnClose->setObjectName(QStringLiteral("Button1"));
    bnClose->setGeometry(192, 264, 73, 33);
    bnClose->setDefault(true);
    connect(bnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TdlgAccuracy::SetLines(const std::vector<std::string>& lines) { Memo1->setPlainText(joinLines(lines)); }

std::vector<std::string> TdlgAccuracy::Lines() const {
    std::vector<std::string> out;
    const QString text = Memo1->toPlainText();
    if (text.isEmpty()) return out;
    for (const QString& l : text.split(QLatin1Char('\n'))) out.push_back(l.toStdString());
    return out;
}

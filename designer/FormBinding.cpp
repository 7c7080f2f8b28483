#include "designer/FormBinding.h"

#include "platform/qt/QtMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

using platform::fromQ;
using platform::toQ;

namespace {

void setIndex(QComboBox* c, int index) {
    const QSignalBlocker block(c);
    c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

void setValue(QSpinBox* s, std::int32_t value) {
    const QSignalBlocker block(s);
    s->setValue(value);
}

void setText(QLineEdit* e, const std::string& text) {
    const QSignalBlocker block(e);
    e->setText(toQ(text));
}

void setChecked(QCheckBox* c, bool on) {
    const QSignalBlocker block(c);
    c->setChecked(on);
}

void setDayNumber(QDateEdit* d, std::int32_t dayNumber) {
    const int lo = platform::dayNumberFromDateQ(d->minimumDate());
    const int hi = platform::dayNumberFromDateQ(d->maximumDate());
    const QSignalBlocker block(d);
    d->setDate(platform::dateFromDayNumberQ(std::clamp<int>(dayNumber, lo, hi)));
}

} // namespace

void OnInputEdited(const DesignFormWidgets& w, QObject* receiver, const std::function<void()>& edited) {
    for (QLineEdit* edit : {w.edName, w.edEnemyClass, w.edMisClass, w.edPicName})
        QObject::connect(edit, &QLineEdit::textChanged, receiver, edited);
    for (QComboBox* list : {w.cbNation, w.cbType, w.cbRange, w.cbFreeboard, w.cbFuelType, w.cbBeltCoverage,
                            w.cbFireControl, w.cbSecTF, w.cbTerTF, w.cbTorpType, w.cbTPS, w.cbAccomodation})
        QObject::connect(list, &QComboBox::currentIndexChanged, receiver, edited);
    for (QComboBox* list : w.ArmourLists()) QObject::connect(list, &QComboBox::currentIndexChanged, receiver, edited);
    for (QSpinBox* spin : {w.seDisplacement, w.seSpeed, w.seMainCal, w.seMQ, w.seSecCal, w.seSecondaries, w.seSQ,
                           w.seTerCal, w.seTertiaries, w.seTQ, w.seTorpCal, w.seMines})
        QObject::connect(spin, &QSpinBox::valueChanged, receiver, edited);
    QObject::connect(w.dtpObsolete, &QDateEdit::dateChanged, receiver, edited);
    for (QCheckBox* box : {w.cbProtectedCruiser, w.cbCrossDeck})
        QObject::connect(box, &QCheckBox::toggled, receiver, edited);
    for (size_t i = 0; i < 4; ++i)
        for (QCheckBox* box : {w.cbFunnelOval[i], w.cbClosed[i]})
            QObject::connect(box, &QCheckBox::toggled, receiver, edited);
}

DesignInputs ReadInputs(const DesignFormWidgets& w) {
    DesignInputs in;
    in.Name = fromQ(w.edName->text());
    in.EnemyClass = fromQ(w.edEnemyClass->text());
    in.MisClass = fromQ(w.edMisClass->text());
    in.Nation = w.cbNation->currentIndex();
    in.Type = w.cbType->currentIndex();
    in.Displacement = w.seDisplacement->value();
    in.Range = w.cbRange->currentIndex();
    in.Freeboard = w.cbFreeboard->currentIndex();
    in.Speed = w.seSpeed->value();
    in.FuelType = w.cbFuelType->currentIndex();
    in.B = w.cbB->currentIndex();
    in.BeltCoverage = w.cbBeltCoverage->currentIndex();
    in.BE = w.cbBE->currentIndex();
    in.D = w.cbD->currentIndex();
    in.DE = w.cbDE->currentIndex();
    in.CT = w.cbCT->currentIndex();
    in.T = w.cbT->currentIndex();
    in.TT = w.cbTT->currentIndex();
    in.SEC = w.cbSEC->currentIndex();
    in.ProtectedCruiser = w.cbProtectedCruiser->isChecked();
    in.FireControl = w.cbFireControl->currentIndex();
    in.MainCal = w.seMainCal->value();
    in.MQ = w.seMQ->value();
    in.CrossDeck = w.cbCrossDeck->isChecked();
    in.SecCal = w.seSecCal->value();
    in.Secondaries = w.seSecondaries->value();
    in.SecTF = w.cbSecTF->currentIndex();
    in.SQ = w.seSQ->value();
    in.TerCal = w.seTerCal->value();
    in.Tertiaries = w.seTertiaries->value();
    in.TerTF = w.cbTerTF->currentIndex();
    in.TQ = w.seTQ->value();
    in.TorpCal = w.seTorpCal->value();
    in.TorpType = w.cbTorpType->currentIndex();
    in.TPS = w.cbTPS->currentIndex();
    in.Mines = w.seMines->value();
    in.Accomodation = w.cbAccomodation->currentIndex();
    in.ObsoleteDate = platform::dayNumberFromDateQ(w.dtpObsolete->date());
    in.PicName = fromQ(w.edPicName->text());
    for (size_t i = 0; i < 4; ++i) {
        in.FunnelPos[i] = fromQ(w.stFunnelPos[i]->text());
        in.FunnelOval[i] = w.cbFunnelOval[i]->isChecked();
        in.OutlineIsLine[i] = w.cbClosed[i]->isChecked();
    }
    return in;
}

void WriteInputs(const DesignInputs& in, const DesignFormWidgets& w) {
    setText(w.edName, in.Name);
    setText(w.edEnemyClass, in.EnemyClass);
    setText(w.edMisClass, in.MisClass);
    setIndex(w.cbNation, in.Nation);
    setIndex(w.cbType, in.Type);
    setValue(w.seDisplacement, in.Displacement);
    setIndex(w.cbRange, in.Range);
    setIndex(w.cbFreeboard, in.Freeboard);
    setValue(w.seSpeed, in.Speed);
    setIndex(w.cbFuelType, in.FuelType);
    setIndex(w.cbB, in.B);
    setIndex(w.cbBeltCoverage, in.BeltCoverage);
    setIndex(w.cbBE, in.BE);
    setIndex(w.cbD, in.D);
    setIndex(w.cbDE, in.DE);
    setIndex(w.cbCT, in.CT);
    setIndex(w.cbT, in.T);
    setIndex(w.cbTT, in.TT);
    setIndex(w.cbSEC, in.SEC);
    setChecked(w.cbProtectedCruiser, in.ProtectedCruiser);
    setIndex(w.cbFireControl, in.FireControl);
    setValue(w.seMainCal, in.MainCal);
    setValue(w.seMQ, in.MQ);
    setChecked(w.cbCrossDeck, in.CrossDeck);
    setValue(w.seSecCal, in.SecCal);
    setValue(w.seSecondaries, in.Secondaries);
    setIndex(w.cbSecTF, in.SecTF);
    setValue(w.seSQ, in.SQ);
    setValue(w.seTerCal, in.TerCal);
    setValue(w.seTertiaries, in.Tertiaries);
    setIndex(w.cbTerTF, in.TerTF);
    setValue(w.seTQ, in.TQ);
    setValue(w.seTorpCal, in.TorpCal);
    setIndex(w.cbTorpType, in.TorpType);
    setIndex(w.cbTPS, in.TPS);
    setValue(w.seMines, in.Mines);
    setIndex(w.cbAccomodation, in.Accomodation);
    setDayNumber(w.dtpObsolete, in.ObsoleteDate);
    setText(w.edPicName, in.PicName);
    for (size_t i = 0; i < 4; ++i) {
        w.stFunnelPos[i]->setText(toQ(in.FunnelPos[i]));
        setChecked(w.cbFunnelOval[i], in.FunnelOval[i]);
        setChecked(w.cbClosed[i], in.OutlineIsLine[i]);
    }
}

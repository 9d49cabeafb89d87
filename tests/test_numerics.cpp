#include <QtTest>
class Vide : public QObject { Q_OBJECT private slots: void rien() {} };
Qtest_numerics_MAIN(Vide)
#include "test_numerics.moc"

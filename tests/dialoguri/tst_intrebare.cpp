#include "dialoguri/casetemesaj.h"
#include "support/dialogmodal.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

// The question box the secretary answers: Romanian buttons, and only "Da" goes on.
class TestIntrebare : public QObject {
    Q_OBJECT

private slots:
    void numaiDaMergeMaiDeparte()
    {
        const struct {
            const char* apasat;
            bool asteptat;
        } cazuri[] = {{"&Da", true}, {"&Nu", false}, {nullptr, false}};
        const TCaseteMesaj casete;
        for (const auto& caz : cazuri) {
            QStringList butoane;
            LaDialogulModal<QMessageBox>([&](QMessageBox& caseta) {
                for (QAbstractButton* buton : caseta.buttons())
                    butoane << buton->text();
                if (!caz.apasat) {
                    QTest::keyClick(&caseta, Qt::Key_Escape);
                    return;
                }
                for (QAbstractButton* buton : caseta.buttons())
                    if (buton->text() == QLatin1String(caz.apasat))
                        buton->click();
            });
            QCOMPARE(Prompt().Confirma(QStringLiteral("Doriti sa stergeti elevul: ")), caz.asteptat);
            butoane.sort();
            QCOMPARE(butoane, (QStringList{QStringLiteral("&Da"), QStringLiteral("&Nu")}));
        }
    }
};

QTEST_MAIN(TestIntrebare)
#include "tst_intrebare.moc"

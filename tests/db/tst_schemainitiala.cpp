// The schema script read as the engine must run it: statements, comments and transactions.
#include "db/schemainitiala.h"

#include <QtTest>

class TestSchemaInitiala : public QObject {
    Q_OBJECT
private slots:
    void instructiuniFaraComentarii();
    void tranzactiiCaMotorul();
    void schemaProgramuluiIncepeCuDefinitii();
};

void TestSchemaInitiala::instructiuniFaraComentarii()
{
    // Separators and comment markers inside quoted text belong to the text.
    const QString script = QStringLiteral(
        "/* header; with a semicolon */\n"
        "CREATE TABLE \"DATE\" (A VARCHAR(8) DEFAULT 'a;b' NOT NULL); -- trailing; comment\n"
        "INSERT INTO T (X) VALUES ('it''s; -- not a comment /* nor this */');\n"
        "CREATE/* between */TABLE \"X;Y\" (B INTEGER)\n"
        ";;  \n"
        "-- a last comment without a newline");
    QCOMPARE(InstructiuniScript(script),
             (QStringList{QStringLiteral("CREATE TABLE \"DATE\" (A VARCHAR(8) DEFAULT 'a;b' NOT NULL)"),
                          QStringLiteral("INSERT INTO T (X) VALUES ('it''s; -- not a comment /* nor this */')"),
                          QStringLiteral("CREATE TABLE \"X;Y\" (B INTEGER)")}));
    // An unfinished comment or text takes the rest: nothing of it is run as a statement.
    QCOMPARE(InstructiuniScript(QStringLiteral("DROP TABLE A; /* open")), QStringList{QStringLiteral("DROP TABLE A")});
    QCOMPARE(InstructiuniScript(QStringLiteral("INSERT INTO A VALUES ('x; y")),
             QStringList{QStringLiteral("INSERT INTO A VALUES ('x; y")});
}

void TestSchemaInitiala::tranzactiiCaMotorul()
{
    const QStringList instructiuni = {QStringLiteral("CREATE TABLE A (X INTEGER)"),
                                      QStringLiteral("create index IX on A (X)"),
                                      QStringLiteral("INSERT INTO A VALUES (1)"),
                                      QStringLiteral("UPDATE A SET X = 2"),
                                      QStringLiteral("commit"),
                                      QStringLiteral("ALTER TABLE A ADD Y INTEGER"),
                                      QStringLiteral("COMMIT"),
                                      QStringLiteral("COMMIT")};
    QCOMPARE(TranzactiiScript(instructiuni),
             (QList<QStringList>{{instructiuni[0], instructiuni[1]}, {instructiuni[2], instructiuni[3]},
                                 {instructiuni[5]}}));
}

void TestSchemaInitiala::schemaProgramuluiIncepeCuDefinitii()
{
    // The version row is written only once every table of the schema is committed.
    const QList<QStringList> tranzactii = TranzactiiSchemaInitiala();
    QCOMPARE(tranzactii.size(), 2);
    QVERIFY(tranzactii[0].size() >= 6);
    QCOMPARE(tranzactii[1], QStringList{QStringLiteral("INSERT INTO CONFID_DB (VERSIUNE) VALUES (1)")});
}

QTEST_MAIN(TestSchemaInitiala)
#include "tst_schemainitiala.moc"

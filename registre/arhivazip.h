#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <memory>

class QuaZip;

// A buffer that refuses a seek past its end without a warning: a damaged archive asks for
// many, and its failure is reported once, as an error.
class TBufferTacut : public QBuffer {
public:
    using QBuffer::QBuffer;
    bool seek(qint64 pozitie) override { return pozitie >= 0 && pozitie <= size() && QBuffer::seek(pozitie); }
};

// An XML part read in pieces: handed a whole part at once, the reader would decode all of it
// into a text twice its size.
class TXmlParte {
public:
    explicit TXmlParte(QByteArray octeti);
    TXmlParte(const TXmlParte&) = delete;
    TXmlParte& operator=(const TXmlParte&) = delete;

    QXmlStreamReader& Xml() { return m_xml; }

private:
    QByteArray m_octeti;
    QBuffer m_dispozitiv;
    QXmlStreamReader m_xml;
};

// A ZIP container held in memory (the .xlsx and .ods packages). Every part is inflated with a
// bound, so that a small hostile file cannot claim gigabytes.
class TArhivaZip {
public:
    // Fails with the "damaged" message when the bytes are no readable ZIP.
    TArhivaZip(const QByteArray& octeti, QString numeFisier);
    ~TArhivaZip();
    TArhivaZip(const TArhivaZip&) = delete;
    TArhivaZip& operator=(const TArhivaZip&) = delete;

    bool Are(const QString& parte) const;
    // The inflated part (names compared without regard to case, as Office does); a missing
    // part gives an empty array, a broken or encrypted one an error.
    QByteArray Citeste(const QString& parte) const;

private:
    QString m_numeFisier;
    QByteArray m_octeti;
    TBufferTacut m_dispozitiv;
    std::unique_ptr<QuaZip> m_zip;
};

#pragma once

// The program's closed sets. Each is converted to and from its stored text or number here
// and nowhere else, so that what the files and the settings hold stays as it is.

#include <QList>
#include <QString>
#include <optional>

// Which option of the global settings decides how a mark is laid out; a mark area names it
// in its Denumire3 ("NOTA_DIPLOMA" ...).
enum TTipNota { TipNotaDiploma = 0, TipNotaCotor = 1, TipMedieDiploma = 2, TipMedieCotor = 3 };
std::optional<TTipNota> TipNotaDinText(const QString& denumire3);

// A side of the certificate; the print job and the prompt number them 0 and 1.
enum class TPaginaCertificat { Fata, Spate };
TPaginaCertificat PaginaDinIndex(int index);
int IndexPagina(TPaginaCertificat pagina);

// The sides a command prints: "fata", "spate" or "ambele".
enum class TPaginiCertificat { Fata, Spate, Ambele };
std::optional<TPaginiCertificat> PaginiDinText(const QString& text);
QList<TPaginaCertificat> PaginileAlese(TPaginiCertificat pagini);

// The stored mirror choice of a page: "D" turned by 180 degrees, "N" printed normally, "*"
// not chosen yet. Any other stored text counts as a choice not to mirror.
enum class TOglinda { Da, Nu, Nealeasa };
TOglinda OglindaDinText(const QString& text);
QString TextOglinda(TOglinda oglinda);

// How the printer takes the sheet, stored as 1-4 (0 until calibrated): 1 fed from the top,
// 2 from the front, 3 internal tray shown upside down, 4 internal tray in the normal position.
enum class TModAlimentare { Necalibrat = 0, PrinSus = 1, Frontal = 2, CasetaInversata = 3, CasetaNormala = 4 };
TModAlimentare ModAlimentareDinNumar(int numar);
int NumarModAlimentare(TModAlimentare mod);
// The feeding modes that take the sheet in from above, printed side down.
bool AlimentareInJos(TModAlimentare mod);

// How a mark is laid out in its two areas: "NOTA", "NOTA(PROCENT)", "NOTA/PROCENT",
// "NOTA/LITERE", in the order the options dialog lists them.
enum class TModScriereNota { Nota, NotaProcent, NotaSubProcent, NotaSubLitere };
const QList<TModScriereNota>& ModuriScriereNota();
std::optional<TModScriereNota> ModScriereNotaDinText(const QString& text);
QString TextModScriereNota(TModScriereNota mod);

// An override's horizontal alignment, stored 0-3: 0 keeps the area's own.
enum class TAliniereParticularizata { Pastreaza = 0, Stanga = 1, Centru = 2, Dreapta = 3 };
TAliniereParticularizata AliniereParticularizataDinNumar(int numar);

// An override's bold or italic choice, stored 0-2: 0 keeps the font's own, 1 on, 2 off.
enum class TStilParticularizat { Pastreaza = 0, Da = 1, Nu = 2 };
TStilParticularizat StilParticularizatDinNumar(int numar);
bool StilAplicat(TStilParticularizat stil, bool alFontului);

#!/usr/bin/env python3
"""Draws the blank certificate card (front and back) that the preview shows under its text
areas, as JPEG images at 200 dots per inch.

Everything is laid out in millimetres on the page; the rules, boxes and cells sit exactly
where the form's text areas print, so that a filled certificate reads naturally on screen.
The drawing is written in ImageMagick's vector format (MVG) and rendered by `convert`;
only the Python standard library, ImageMagick and the Liberation fonts are needed.

    scripts/draw-card.py [output folder]      (default: resources/ beside this script)
"""

import math
import os
import subprocess
import sys

FONTURI = "/usr/share/fonts/truetype/liberation/"
SANS = FONTURI + "LiberationSans-Regular.ttf"
SANS_BOLD = FONTURI + "LiberationSans-Bold.ttf"
SERIF = FONTURI + "LiberationSerif-Regular.ttf"
SERIF_BOLD = FONTURI + "LiberationSerif-Bold.ttf"
SERIF_ITALIC = FONTURI + "LiberationSerif-Italic.ttf"

HARTIE = "#f8f3e2"
CHENAR = "#28466f"
ORNAMENT = "#c9d3e2"
TITLU = "#1f3358"
ETICHETA = "#262626"
LINIE = "#505050"
SERIE = "#b3201c"


class Pagina:
    """One side of the card: millimetres in, MVG primitives out."""

    def __init__(self, latime_mm, inaltime_mm, latime_px, inaltime_px):
        self.latime_px = latime_px
        self.inaltime_px = inaltime_px
        self.sx = latime_px / latime_mm
        self.sy = inaltime_px / inaltime_mm
        self.comenzi = ["viewbox 0 0 %d %d" % (latime_px, inaltime_px),
                        "fill '%s' rectangle 0,0 %d,%d" % (HARTIE, latime_px, inaltime_px)]

    def _x(self, mm):
        return "%.1f" % (mm * self.sx)

    def _y(self, mm):
        return "%.1f" % (mm * self.sy)

    def _grup(self, *linii):
        self.comenzi += ["push graphic-context", *linii, "pop graphic-context"]

    def text(self, x, y, sir, marime=3.4, font=SANS, ancora="start", culoare=ETICHETA):
        """Text with its base line at y; marime is the em size in millimetres."""
        sir = sir.replace("\\", "\\\\").replace("'", "\\'")
        self._grup("stroke none", "fill '%s'" % culoare, "font '%s'" % font,
                   "font-size %.1f" % (marime * self.sy), "text-anchor %s" % ancora,
                   "text %s,%s '%s'" % (self._x(x), self._y(y), sir))

    def linie(self, x1, y1, x2, y2, grosime=0.15, culoare=LINIE, punctata=False):
        stil = ["stroke-dasharray %.1f %.1f" % (0.35 * self.sx, 0.45 * self.sx)] if punctata else []
        self._grup("fill none", "stroke '%s'" % culoare, "stroke-width %.1f" % (grosime * self.sy),
                   *stil, "line %s,%s %s,%s" % (self._x(x1), self._y(y1), self._x(x2), self._y(y2)))

    def dreptunghi(self, x, y, w, h, grosime=0.2, culoare=CHENAR, umplere="none"):
        self._grup("fill '%s'" % umplere, "stroke '%s'" % culoare, "stroke-width %.1f" % (grosime * self.sy),
                   "rectangle %s,%s %s,%s" % (self._x(x), self._y(y), self._x(x + w), self._y(y + h)))

    def cerc(self, x, y, raza, grosime=0.3, culoare=CHENAR):
        self._grup("fill none", "stroke '%s'" % culoare, "stroke-width %.1f" % (grosime * self.sy),
                   "circle %s,%s %s,%s" % (self._x(x), self._y(y), self._x(x + raza), self._y(y)))

    def mvg(self):
        return "\n".join(self.comenzi) + "\n"


# Helpers that place the printed parts of the form around one text area, given as
# (left, top, width, height) in millimetres, the way the printer fills it.

def sub_camp(p, camp):
    """The dotted rule the text of an area sits on."""
    x, y, w, h = camp
    p.linie(x, y + h - 0.3, x + w, y + h - 0.3, punctata=True)


def eticheta_inainte(p, camp, sir, marime=3.4, font=SANS, distanta=0.8):
    """A label ending just before an area, on the base line of the area's text."""
    x, y, w, h = camp
    p.text(x - distanta, y + h - 1.0, sir, marime, font, "end")


def camp_cu_eticheta(p, camp, sir, marime=3.4, font=SANS):
    eticheta_inainte(p, camp, sir, marime, font)
    sub_camp(p, camp)


def casute(p, stangi, sus, latime, inaltime):
    """One box per character (personal or school code), each under its own text area."""
    for x in stangi:
        p.dreptunghi(x, sus, latime, inaltime, grosime=0.22)


def chenar(p, x, y, w, h):
    """The ornamental frame of one part of the card: a heavy rule, a patterned band, a
    fine rule."""
    p.dreptunghi(x, y, w, h, grosime=0.7)
    b = 1.6
    p._grup("fill none", "stroke '%s'" % ORNAMENT, "stroke-width %.1f" % (1.4 * p.sy),
            "stroke-dasharray %.1f %.1f" % (0.8 * p.sx, 0.6 * p.sx),
            "rectangle %s,%s %s,%s" % (p._x(x + b), p._y(y + b), p._x(x + w - b), p._y(y + h - b)))
    p.dreptunghi(x + 2 * b + 0.3, y + 2 * b + 0.3, w - 4 * b - 0.6, h - 4 * b - 0.6, grosime=0.2)


def perforatie(p, x, sus, jos):
    p.linie(x, sus, x, jos, grosime=0.25, culoare="#8a8a8a", punctata=True)


def stea(p, x, y, raza):
    """A five-pointed star centred on (x, y)."""
    varfuri = []
    for i in range(10):
        r = raza if i % 2 == 0 else raza * 0.4
        unghi = math.pi / 2 + i * math.pi / 5
        varfuri.append("%s,%s" % (p._x(x + r * math.cos(unghi)), p._y(y - r * math.sin(unghi))))
    p._grup("stroke none", "fill '%s'" % TITLU, "polygon " + " ".join(varfuri))


def stema(p, x, y):
    """A plain seal in place of the coat of arms."""
    p.cerc(x, y, 8.5, 0.5)
    p.cerc(x, y, 7.2, 0.2)
    p.text(x, y - 1.0, "ROMÂNIA", 2.2, SERIF_BOLD, "middle", TITLU)
    stea(p, x, y + 2.6, 2.0)


def tabel_note(p, stanga, mijloc, dreapta, limite, cap, probe, campuri):
    """The marks table: a header row (subject, mark, em size), then one row per subject between
    consecutive limits; each subject is (base line, text, em size, font), each mark cell holds
    the rules of its digits and words areas."""
    cap_proba, cap_nota, marime_cap = cap
    sus, jos = limite[0] - 6.5, limite[-1]
    p.dreptunghi(stanga, sus, dreapta - stanga, jos - sus, grosime=0.35)
    p.dreptunghi(stanga, sus, dreapta - stanga, 6.5, grosime=0.35, umplere="#e6eaf1")
    p.linie(mijloc, sus, mijloc, jos, grosime=0.3, culoare=CHENAR)
    for y in limite[1:-1]:
        p.linie(stanga, y, dreapta, y, grosime=0.25, culoare=CHENAR)
    p.text((stanga + mijloc) / 2, sus + 4.6, cap_proba, marime_cap, SANS_BOLD, "middle", TITLU)
    p.text((mijloc + dreapta) / 2, sus + 4.6, cap_nota, marime_cap, SANS_BOLD, "middle", TITLU)
    for y, sir, marime, font in probe:
        # Small print marks a caption over an area that names the subject itself.
        p.text(stanga + 2.5, y, sir, marime, font, "start", LINIE if marime < 2.7 else ETICHETA)
    for camp in campuri:
        sub_camp(p, camp)


def bloc_scoala(p, x, marime, titlu, campuri):
    """The school where the tests were taken: two lines for its name, its locality, its
    county and the session, in that order of areas."""
    linia1, linia2, localitate, judet, sesiune = campuri
    p.text(x, linia1[1] - 1.6, titlu, marime - 0.3)
    sub_camp(p, linia1)
    sub_camp(p, linia2)
    camp_cu_eticheta(p, localitate, "Localitatea", marime)
    camp_cu_eticheta(p, judet, "Judeţul", marime)
    camp_cu_eticheta(p, sesiune, "Sesiunea", marime)


# ---------------------------------------------------------------- front ("FATA")

def fata():
    p = Pagina(295.973, 209.613, 2331, 1651)

    # Counterfoil, left.
    chenar(p, 9.0, 8.0, 88.0, 193.5)
    p.text(53, 17.5, "ROMÂNIA", 3.4, SERIF_BOLD, "middle", TITLU)
    p.text(53, 22.5, "MINISTERUL EDUCAŢIEI ŞI CERCETĂRII", 2.6, SERIF, "middle", TITLU)
    p.text(53, 33.0, "COTOR", 6.0, SERIF_BOLD, "middle", TITLU)
    p.text(53, 42.0, "CERTIFICAT DE ABSOLVIRE", 4.0, SERIF_BOLD, "middle", TITLU)
    p.text(53, 47.5, "testele naţionale \u2013 clasa a VIII-a", 3.2, SERIF_ITALIC, "middle", TITLU)
    p.text(53, 57.0, "Seria PV   Nr. 048213", 3.6, SANS_BOLD, "middle", SERIE)
    camp_cu_eticheta(p, (36.0, 62.0, 20.0, 4.6), "Nr. înregistrare", 2.7)  # 124 registration number
    camp_cu_eticheta(p, (62.0, 62.0, 27.0, 4.6), "din", 2.7)               # 125 registration date
    p.text(14, 74.0, "Numele şi prenumele absolventului:", 2.9)
    sub_camp(p, (24.9, 79.4, 15.0, 3.8))                           # 84 abbreviation
    sub_camp(p, (42.2, 76.6, 47.2, 5.2))                           # 1 surname
    sub_camp(p, (19.9, 82.8, 69.7, 5.3))                           # 2 first name
    p.text(14, 98.4, "CNP", 3.2, SANS_BOLD)
    casute(p, [30.1, 34.6, 39.1, 43.8, 48.3, 53.0, 57.6, 62.3, 66.9, 71.6, 76.1, 80.5, 85.3],
           93.3, 4.7, 5.85)
    camp_cu_eticheta(p, (33.3, 103.8, 3.9, 4.3), "Absolvent", 3.2)  # 68 article
    p.text(38.2, 107.1, "al şcolii", 3.2)
    sub_camp(p, (65.4, 102.4, 24.5, 4.8))                          # 3 school, line 1
    sub_camp(p, (20.4, 107.5, 69.5, 5.4))                          # 4 school, line 2
    p.text(14, 119.6, "Cod SIRUES", 2.9)
    casute(p, [36.0, 42.2, 48.2, 54.2, 60.1, 66.2, 72.1, 78.1, 84.1], 115.0, 6.0, 5.95)
    camp_cu_eticheta(p, (38.5, 122.4, 51.6, 5.2), "Localitatea", 3.2)
    camp_cu_eticheta(p, (30.6, 128.1, 59.4, 5.4), "Judeţul", 3.2)
    camp_cu_eticheta(p, (30.6, 133.8, 59.4, 5.2), "Sesiunea", 3.2)  # 25 session, as typed
    p.text(55, 148.3, "Preşedintele comisiei,", 2.9, SANS, "middle")
    sub_camp(p, (34.7, 149.9, 40.5, 5.5))                          # 29 president
    p.text(55, 158.5, "(numele, prenumele şi semnătura)", 2.2, SANS, "middle", LINIE)
    p.text(20, 170.0, "L.S.", 3.0, SERIF_BOLD)
    p.text(14, 182.0, "Am primit certificatul,", 2.9)
    p.text(14, 189.0, "Semnătura titularului ........................................", 2.7)
    p.text(14, 196.0, "Data ..........................", 2.7)

    perforatie(p, 101.5, 8.0, 201.5)

    # Certificate, right.
    chenar(p, 106.0, 8.0, 182.0, 193.5)
    stema(p, 125.0, 31.0)
    p.text(197, 19.0, "ROMÂNIA", 4.2, SERIF_BOLD, "middle", TITLU)
    p.text(197, 25.0, "MINISTERUL EDUCAŢIEI ŞI CERCETĂRII", 3.2, SERIF, "middle", TITLU)
    p.text(277, 19.0, "Seria PV", 3.4, SANS_BOLD, "end", SERIE)
    p.text(277, 24.5, "Nr. 048213", 3.4, SANS_BOLD, "end", SERIE)
    p.text(197, 49.0, "CERTIFICAT", 13.0, SERIF_BOLD, "middle", TITLU)
    p.text(197, 58.5, "DE ABSOLVIRE A TESTELOR NAŢIONALE", 4.6, SERIF_BOLD, "middle", TITLU)
    p.text(197, 65.0, "clasa a VIII-a", 3.8, SERIF_ITALIC, "middle", TITLU)
    p.text(122, 80.0, "Se certifică faptul că", 3.8, SERIF_ITALIC)
    sub_camp(p, (126.6, 86.7, 18.5, 4.8))                          # 85 abbreviation
    sub_camp(p, (148.3, 84.9, 120.2, 6.2))                         # 36 name
    p.text(122, 100.5, "CNP", 3.6, SANS_BOLD)
    casute(p, [136.1, 140.7, 145.2, 150.1, 154.6, 159.3, 163.8, 168.5, 173.1, 177.7, 182.1, 186.7, 191.4],
           95.4, 4.7, 6.0)
    camp_cu_eticheta(p, (219.1, 95.0, 7.3, 5.0), "absolvent", 3.6, SERIF_ITALIC)  # 67 article
    p.text(227.5, 99.0, "al clasei a VIII-a la", 3.6, SERIF_ITALIC)
    sub_camp(p, (122.6, 101.7, 145.8, 5.7))                        # 31 school
    p.text(268.4, 109.9, "(unitatea de învăţământ)", 2.2, SANS, "end", LINIE)
    p.text(122, 115.4, "cod SIRUES", 3.2, SANS)
    casute(p, [147.2, 154.0, 160.8, 167.3, 173.9, 180.6, 187.1, 193.9, 200.6], 110.4, 6.8, 6.1)
    camp_cu_eticheta(p, (144.3, 117.1, 50.2, 6.2), "localitatea", 3.6, SERIF_ITALIC)
    camp_cu_eticheta(p, (212.9, 116.8, 55.4, 6.0), "judeţul", 3.6, SERIF_ITALIC)
    camp_cu_eticheta(p, (179.0, 128.3, 40.0, 4.3), "a susţinut testele naţionale în sesiunea",
                     3.6, SERIF_ITALIC)                             # 51 session, as typed
    p.text(219.6, 131.6, ", cu rezultatele înscrise pe verso.", 3.6, SERIF_ITALIC)
    p.text(198.1, 145.8, "Preşedintele comisiei,", 3.4, SANS, "middle")
    sub_camp(p, (169.0, 148.0, 58.3, 6.5))                         # 55 president
    p.text(198.1, 157.8, "(numele, prenumele şi semnătura)", 2.4, SANS, "middle", LINIE)
    p.text(135.0, 165.0, "L.S.", 3.6, SERIF_BOLD)
    camp_cu_eticheta(p, (148.0, 185.6, 30.0, 5.2), "Nr. înregistrare", 3.0)  # 126 registration number
    camp_cu_eticheta(p, (186.0, 185.6, 36.0, 5.2), "din", 3.0)               # 127 registration date
    return p


# ---------------------------------------------------------------- back ("SPATE")

def spate():
    p = Pagina(295.91, 209.613, 2330, 1651)

    # Certificate, left.
    chenar(p, 20.0, 8.0, 164.0, 193.5)
    bloc_scoala(p, 27.0, 3.4, "Unitatea de învăţământ la care s-au susţinut testele naţionale:",
                [(31.1, 22.9, 137.1, 5.0), (31.1, 28.1, 137.1, 5.0),    # 57, 56 school
                 (58.4, 38.3, 109.5, 5.4), (45.3, 44.7, 122.3, 5.4),    # 58 locality, 59 county
                 (45.3, 51.3, 60.0, 4.8)])                              # 61 session
    p.text(101.0, 61.0, "REZULTATELE OBŢINUTE LA TESTELE NAŢIONALE", 3.8, SERIF_BOLD, "middle", TITLU)
    tabel_note(p, 26.0, 142.8, 176.0, [70.5, 86.0, 104.6, 120.6, 139.5, 156.4],
               ["Proba", "Nota (cifre şi litere)", 2.8],
               [(79.5, "Limba şi literatura română", 3.6, SANS),
                (102.6, "Limba şi literatura", 3.4, SANS),                   # 7 names the language
                (114.0, "Matematică", 3.6, SANS),
                (125.2, "Istorie / Geografie*", 2.6, SANS),
                (149.6, "MEDIA GENERALĂ", 3.8, SANS_BOLD)],
               [(143.2, 71.6, 30.8, 5.8), (143.1, 78.6, 31.1, 5.3),   # 70, 71
                (143.2, 89.1, 30.7, 5.8), (143.2, 95.9, 30.6, 5.4),   # 72, 73
                (143.2, 106.8, 30.7, 5.4), (143.2, 113.6, 30.6, 5.4),  # 74, 75
                (143.2, 124.4, 30.7, 6.0), (143.2, 131.5, 30.6, 4.8),  # 76, 77
                (143.2, 141.9, 30.6, 6.0), (143.2, 149.6, 30.8, 4.8)])  # 8, 9
    p.text(27, 160.8, "* Se completează Istorie sau Geografie, după opţiunea scrisă a absolventului.", 2.3,
           SANS, "start", LINIE)
    camp_cu_eticheta(p, (43.9, 171.2, 72.3, 6.0), "Preşedinte,", 3.2)     # 88
    camp_cu_eticheta(p, (113.2, 179.7, 61.0, 6.5), "Secretar,", 3.2)      # 89
    p.text(40.0, 192.0, "L.S.", 3.6, SERIF_BOLD)

    perforatie(p, 190.5, 8.0, 201.5)

    # Counterfoil, right.
    chenar(p, 197.0, 8.0, 90.0, 193.5)
    bloc_scoala(p, 206.0, 3.0, "Unitatea de învăţământ:",
                [(207.2, 21.4, 67.9, 5.5), (206.5, 26.5, 68.2, 5.4),    # 90, 91 school
                 (231.4, 38.8, 43.9, 5.3), (219.1, 45.0, 56.0, 5.2),    # 92 locality, 93 county
                 (219.1, 51.0, 56.0, 5.2)])                             # 35 session
    p.text(242.0, 61.0, "REZULTATE", 3.6, SERIF_BOLD, "middle", TITLU)
    tabel_note(p, 204.0, 256.0, 280.0, [70.5, 84.1, 98.4, 112.3, 126.4, 140.6], ["Proba", "Nota", 2.6],
               [(76.4, "Limba şi literatura", 2.8, SANS), (80.6, "română", 2.8, SANS),
                (96.3, "Limba maternă", 2.8, SANS),                          # 24 names the language
                (107.0, "Matematică", 2.9, SANS),
                (115.6, "Istorie / Geografie*", 2.3, SANS),
                (135.4, "MEDIA GENERALĂ", 2.7, SANS_BOLD)],
               [(256.4, 72.0, 22.6, 4.5), (256.3, 77.0, 22.6, 6.4),    # 104, 105
                (256.6, 85.4, 22.6, 6.5), (256.6, 92.4, 22.6, 5.0),    # 106, 107
                (256.3, 99.4, 22.6, 5.8), (256.4, 105.7, 22.6, 5.8),   # 108, 109
                (256.3, 113.6, 22.6, 5.4), (256.4, 119.5, 22.6, 6.0),  # 110, 111
                (256.3, 127.3, 22.6, 5.8), (256.3, 133.8, 22.6, 5.8)])  # 10, 34
    p.text(206, 147.6, "Preşedintele comisiei,", 2.8)
    sub_camp(p, (205.0, 149.4, 57.8, 5.3))                         # 122 president
    camp_cu_eticheta(p, (234.5, 162.7, 43.4, 4.7), "Secretar,", 3.0)      # 123
    p.text(206, 180.0, "L.S.", 3.2, SERIF_BOLD)
    p.text(206, 192.0, "Semnătura titularului ......................", 2.7)
    return p


def randeaza(pagina, cale):
    subprocess.run(["convert", "mvg:-", "-strip", "-quality", "85",
                    "-sampling-factor", "4:2:0", "-units", "PixelsPerInch", "-density", "200", cale],
                   input=pagina.mvg().encode("utf-8"), check=True)


def main():
    dosar = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources")
    os.makedirs(dosar, exist_ok=True)
    randeaza(fata(), os.path.join(dosar, "fata.jpg"))
    randeaza(spate(), os.path.join(dosar, "spate.jpg"))


if __name__ == "__main__":
    main()

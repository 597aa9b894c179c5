#pragma once

#include <QString>

// Searching names as a secretary types them: without caring for capitals or for the
// Romanian marks, so that "stefanescu" finds "ŞTEFĂNESCU" whether it was stored with the
// cedilla or the comma-below letters.

// The text with its letters in one case and their marks (breve, circumflex, cedilla, comma
// below, and any other accent) removed.
QString FormaDeCautare(const QString& text);

// Whether `cautat`, as typed (blanks included), occurs in `text`, both in search form.
bool ContineCautarea(const QString& text, const QString& cautat);

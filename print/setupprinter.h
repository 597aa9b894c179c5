#pragma once

class QPrinter;

// Puts a printer into the paper mode everything is printed in: A4, the printer's highest
// resolution, monochrome; portrait for the test sheets, landscape for the certificate.
void SetupPrinter(QPrinter& imprimanta, bool portrait);

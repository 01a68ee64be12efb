#pragma once
class QPrinter;

enum TPrinterOrientation { poPortrait, poLandscape };

// The program's printer, made on first use and kept; tests point its output
// at a PDF file.
QPrinter *Printer();

#pragma once
#include <QByteArray>
#include <QString>

#include <vector>

// The device's frame protocol as the viewers show it: sections of text, each
// followed by a frame picture drawn by code, in English or in Chinese.
struct ProtocolSection {
    QString title;
    QString text;            // paragraphs separated by '\n'
    QString pictureCaption;  // drawn under the picture's frame layout
    std::vector<QString> fields; // the frame's byte boxes, left to right
};

std::vector<ProtocolSection> ProtocolSections(bool English);
// The sections as RTF (non-ASCII characters as \uN escapes). Each section
// ends in an empty paragraph; with PictureSpace above 0 that paragraph keeps
// so many pixels (at 96 dpi) free under its line for the section's picture.
QByteArray ProtocolRtf(const std::vector<ProtocolSection> &Sections, int PictureSpace = 0);
// A section's picture: the frame's bytes as boxes with the caption under
// them, PNG-encoded in memory, `Width` pixels wide.
QByteArray ProtocolPicturePng(const ProtocolSection &Section, int Width);

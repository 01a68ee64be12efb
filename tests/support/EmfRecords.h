#pragma once
// Enhanced Metafile bytes read back record by record with libUEMF's safe
// reader: each record's size must fit the file and its contents its size.
#include <QByteArray>
#include <QString>
#include <uemf.h>
#include <uemf_endian.h>
#include <uemf_safe.h>

#include <cstring>
#include <vector>

struct TEmfRecord {
    uint32_t Type = 0;
    uint32_t Size = 0;
    const char *Data = nullptr;
};

struct TEmfFile {
    QString Error; // empty when every record was read safely
    std::vector<TEmfRecord> Records;
    U_EMRHEADER Header{};
    uint64_t RecordBytes = 0; // the sizes of all records added up
    // The header's description, the texts between its nulls.
    QStringList Description;

    std::vector<TEmfRecord> Of(uint32_t Type) const
    {
        std::vector<TEmfRecord> out;
        for (const TEmfRecord &r : Records)
            if (r.Type == Type)
                out.push_back(r);
        return out;
    }
    template <class T> static const T &As(const TEmfRecord &R) { return *reinterpret_cast<const T *>(R.Data); }
};

// Bytes must outlive the result (the records point into them).
inline TEmfFile ReadEmf(const QByteArray &Bytes)
{
    TEmfFile f;
    const char *begin = Bytes.constData(), *limit = begin + Bytes.size();
    for (const char *at = begin; at < limit;) {
        uint32_t size = 0, type = 0;
        // The last argument reads the sizes in this machine's (little-endian) order.
        if (limit - at < 8 || !U_emf_record_sizeok(at, limit, &size, &type, 1)) {
            f.Error = QStringLiteral("record %1 at %2: bad size").arg(f.Records.size()).arg(at - begin);
            return f;
        }
        if (!U_emf_record_safe(at)) {
            f.Error = QStringLiteral("record %1 (type %2): unsafe contents").arg(f.Records.size()).arg(type);
            return f;
        }
        f.Records.push_back({type, size, at});
        f.RecordBytes += size;
        at += size;
    }
    if (!f.Records.empty() && f.Records[0].Type == U_EMR_HEADER) {
        std::memcpy(&f.Header, f.Records[0].Data, std::min<size_t>(sizeof f.Header, f.Records[0].Size));
        if (f.Header.nDescription && f.Header.offDescription + 2ull * f.Header.nDescription <= f.Records[0].Size) {
            const auto *text = reinterpret_cast<const char16_t *>(f.Records[0].Data + f.Header.offDescription);
            f.Description = QString::fromUtf16(text, f.Header.nDescription).split(QChar(0));
        }
    }
    return f;
}

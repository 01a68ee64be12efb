#include "CurveBuilder.h"

#include "LUnitControl.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <algorithm>

namespace {

constexpr int kPeqTypeCount = 10;   // PeqTypeFilterCodes
constexpr int kKnownPeqTypes = 9;   // the band table's types
constexpr int kSlopeTypeCount = 21; // CrossoverSlopeOrder
constexpr double kSectionQ = 0.05;  // the sections take no Q; any positive value will do

// Section rows: 1-8 Butterworth order 1-8, 9-16 Bessel order 1-8, 17-20
// Linkwitz-Riley 12, 24, 36, 48 dB per octave.
constexpr int kFirstBesselRow = 9, kFirstLinkwitzRow = 17;

struct Section {
    int order = 0; // 0 flat, 1 first order, 2 second order
    float a = 0, b = 0;
    bool bessel = false;
};

// Filter codes of the sections, by filter kind.
int SectionCode(bool highPass, const Section &s)
{
    if (s.order == 1)
        return highPass ? 14 : 11;
    if (s.bessel)
        return highPass ? 16 : 13;
    return highPass ? 15 : 12;
}

// The five sections of rows 2-20.
void SectionsOfRow(int row, Section (&s)[Plot::kSectionSlots])
{
    const Section first{1, 1.0f, 0, false};
    auto second = [](float a) { return Section{2, a, 0, false}; };
    if (row < kFirstBesselRow) {
        const float *bw = ButterworthSections[row - 1];
        if (bw[0] == 1)
            s[0] = first;
        for (int k = 1; k < 5; ++k)
            if (bw[k] != 0)
                s[k] = second(bw[k]);
    } else if (row < kFirstLinkwitzRow) {
        const float *bl = BesselSections[row - kFirstBesselRow];
        if (bl[0] != 0)
            s[0] = Section{1, bl[0], 0, false};
        for (int k = 1; k < 5; ++k)
            if (bl[2 * k] != 0)
                s[k] = Section{2, bl[2 * k], bl[2 * k + 1], true};
    } else if (row == 17) {
        s[0] = s[1] = first;
    } else if (row == 18) {
        s[0] = s[1] = second(ButterworthSections[1][1]);
    } else if (row == 19) {
        s[0] = s[1] = first;
        s[2] = s[3] = second(ButterworthSections[2][1]);
    } else {
        s[0] = s[1] = second(ButterworthSections[3][2]);
        s[2] = s[3] = second(ButterworthSections[3][1]);
    }
}

void SetFlat(PlotFilter &f, double freqHz)
{
    f.SetAll(0.0, freqHz, kSectionQ, PlotFilter::kUnityCode, 0, 0);
}

void SetSection(PlotFilter &f, bool highPass, double cornerHz, const Section &s)
{
    f.SetAll(0.0, cornerHz, kSectionQ, SectionCode(highPass, s), s.a, s.b);
}

double ModelFrequency(int index)
{
    // The pages hand the corner over as a float.
    return double(float(IndexToFreq(index)));
}

} // namespace

int PeqTypeFilterCode(int type)
{
    return type >= 0 && type < kPeqTypeCount ? PeqTypeFilterCodes[type] : 0;
}

bool IsKnownPeqType(int type)
{
    return type >= 0 && type < kKnownPeqTypes;
}

double QTableValue(int qIndex)
{
    return double(QTable[std::clamp(qIndex, kQIndexMin, kQIndexMax)]);
}

int CrossoverSlopeRow(int slopeType)
{
    return IsKnownSlopeType(slopeType) ? CrossoverSlopeOrder[slopeType] : 0;
}

bool IsKnownSlopeType(int slopeType)
{
    return slopeType >= 0 && slopeType < kSlopeTypeCount;
}

PeqCurveBand PeqCurveBandFromModel(const PeqBand &band, bool bypass)
{
    PeqCurveBand b;
    b.freqHz = IndexToFreq(band.freqIndex);
    b.gainDb = IndexToGain(band.gainIndex);
    b.q = QTableValue(band.qIndex);
    b.type = band.type;
    b.bypass = bypass;
    return b;
}

void SetPeqSlot(Plot &plot, int slot, const PeqCurveBand &band)
{
    PlotFilter &f = plot.Filter(slot);
    if (band.bypass)
        f.Set(0.0, band.freqHz, band.q, PlotFilter::kUnityCode);
    else
        f.Set(band.gainDb, band.freqHz, band.q, PeqTypeFilterCode(band.type));
}

namespace {

// Bands into slots 0 to count - 1 with their handles; no sum.
void SetPeqSlots(Plot &plot, const PeqCurveBand *bands, int count)
{
    for (int n = 0; n < count; ++n) {
        SetPeqSlot(plot, n, bands[n]);
        plot.DrawBlock(n, float(bands[n].gainDb), 1);
    }
}

} // namespace

void BuildPeqCurve(Plot &plot, const PeqCurveBand *bands, int count, int colourIndex)
{
    SetPeqSlots(plot, bands, count);
    plot.DrawSum(colourIndex);
}

void BuildHpLpCurve(Plot &plot, bool isHighPass, int slopeType, double cornerHz, int baseSlot)
{
    const int row = CrossoverSlopeRow(slopeType);
    const int total = isHighPass ? baseSlot : baseSlot + 1;
    const int style = isHighPass ? 3 : 2;
    PlotFilter &t = plot.Filter(total);
    if (row == 0) {
        SetFlat(t, cornerHz);
    } else if (row == 1) {
        SetSection(t, isHighPass, cornerHz, Section{1, 1.0f, 0, false});
    } else {
        Section sections[Plot::kSectionSlots];
        SectionsOfRow(row, sections);
        const Section *last = nullptr;
        for (int k = 0; k < Plot::kSectionSlots; ++k) {
            PlotFilter &f = plot.Filter(baseSlot + 3 + k);
            if (sections[k].order == 0) {
                SetFlat(f, 1000.0);
            } else {
                SetSection(f, isHighPass, cornerHz, sections[k]);
                last = &sections[k];
            }
        }
        SetSection(t, isHighPass, cornerHz, *last);
        plot.SumSlots(baseSlot + 3, Plot::kSectionSlots, t.response.data());
    }
    plot.DrawBlock(total, 0.0f, style);
}

void BuildGeqCurve(Plot &plot, const uint16_t (&geq)[kGeqBands], int colourIndex)
{
    for (int b = 0; b < kGeqBands; ++b)
        plot.Filter(b).Set(IndexToGain(geq[b]), double(GeqCentreFrequencies[b]), GeqBandQ, 1);
    plot.DrawSum(colourIndex);
}

namespace {

void BuildModelFilter(Plot &plot, const LUnitControl &model, int ch, bool isHighPass)
{
    const CrossoverRecord x = model.GetCrossover(ch);
    BuildHpLpCurve(plot, isHighPass, isHighPass ? x.hpfType : x.lpfType,
                   ModelFrequency(isHighPass ? x.hpfFreq : x.lpfFreq), Plot::kHighPassSlot);
}

} // namespace

void UpdateHighPassCurve(Plot &plot, const LUnitControl &model, int ch)
{
    BuildModelFilter(plot, model, ch, true);
    plot.DrawSum(ch);
}

void UpdateLowPassCurve(Plot &plot, const LUnitControl &model, int ch)
{
    BuildModelFilter(plot, model, ch, false);
    plot.DrawSum(ch);
}

void BuildChannelCurves(Plot &plot, const LUnitControl &model, int ch)
{
    // The same slots as the PEQ, high-pass and low-pass builds one after the
    // other; the sum, which each of those redraws, is formed once at the end.
    const int count = ch < kInputCount ? kInputPeqBands : kOutputPeqBands;
    PeqCurveBand bands[kOutputPeqBands];
    for (int n = 0; n < count; ++n)
        bands[n] = PeqCurveBandFromModel(model.GetPeqBand(ch, n), model.IsPeqBandBypassed(ch, n));
    SetPeqSlots(plot, bands, count);
    BuildModelFilter(plot, model, ch, true);
    BuildModelFilter(plot, model, ch, false);
    plot.DrawSum(ch);
}

#include "FillRows.h"

#include "Numeric.h"

namespace {

using Matrix4 = double[4][4];

// Expansion along the first column, summed left to right.
double Determinant3(double m00, double m01, double m02, double m10, double m11, double m12, double m20,
                    double m21, double m22) {
    return m00 * (m11 * m22 - m12 * m21) - m10 * (m01 * m22 - m02 * m21) + m20 * (m01 * m12 - m02 * m11);
}

// Cofactor expansion along the first column; minor i drops row i and column 0.
double Determinant4(const Matrix4& m) {
    double minors[4];
    for (int i = 0; i < 4; ++i) {
        const double* r[3];
        for (int k = 0, n = 0; k < 4; ++k)
            if (k != i) r[n++] = m[k];
        minors[i] = Determinant3(r[0][1], r[0][2], r[0][3], r[1][1], r[1][2], r[1][3], r[2][1], r[2][2], r[2][3]);
    }
    return m[0][0] * minors[0] - m[1][0] * minors[1] + m[2][0] * minors[2] - m[3][0] * minors[3];
}

template <typename Sample>
void StoreColumn(Sample* row, int32 x, double v) {
    row[x] = ClampSample<Sample>(TruncateToInt(v));
}

}  // namespace

template <typename Sample>
void FillRowCubic(Sample* row, int32 a, int32 b) {
    const double gL = a - 2.5, gR = b + 2.5;
    const double vL = (row[a - 1] + row[a - 2] + row[a - 3] + row[a - 4]) * 0.25;
    const double vR = (row[b + 1] + row[b + 2] + row[b + 3] + row[b + 4]) * 0.25;
    const double third = 1.0 / 3.0;
    const double dL = (row[a - 1] - row[a - 4]) * third;
    const double dR = (row[b + 4] - row[b + 1]) * third;

    const Matrix4 system = {{gL * gL * gL, gL * gL, gL, 1},
                            {gR * gR * gR, gR * gR, gR, 1},
                            {3 * gL * gL, 2 * gL, 1, 0},
                            {3 * gR * gR, 2 * gR, 1, 0}};
    const double rhs[4] = {vL, vR, dL, dR};
    // Cramer's rule. E is never zero: gR - gL >= 5. Each coefficient is divided
    // by E; multiplying by 1/E turns a flat v into v - 1 after truncation.
    const double E = Determinant4(system);
    double k[4];  // k3, k2, k1, k0
    for (int column = 0; column < 4; ++column) {
        Matrix4 replaced;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) replaced[i][j] = j == column ? rhs[i] : system[i][j];
        k[column] = Determinant4(replaced) / E;
    }
    for (int32 x = a; x <= b; ++x) StoreColumn(row, x, ((k[0] * x + k[1]) * x + k[2]) * x + k[3]);
}

template <typename Sample>
void FillRowLinear(Sample* row, int32 W, int32 a, int32 b) {
    if (a > b) return;
    const int32 references[4] = {a - 1, b + 1, a - 2, b + 2};
    int32 n = 0;
    double sx = 0, sxx = 0, sv = 0, sxv = 0;
    for (const int32 x : references) {
        if (x < 0 || x >= W) continue;
        const double v = row[x];
        ++n;
        sx += x;
        sxx += double(x) * x;
        sv += v;
        sxv += x * v;
    }
    if (n == 0) return;
    if (n == 1) {  // the line is undefined: the run takes the one value
        for (int32 x = a; x <= b; ++x) row[x] = Sample(sv);
        return;
    }
    const double D = n * sxx - sx * sx;
    const double slope = (n * sxv - sx * sv) / D;
    const double intercept = (sv * sxx - sx * sxv) / D;
    for (int32 x = a; x <= b; ++x) StoreColumn(row, x, intercept + slope * x);
}

template <typename Sample>
void FillRow(Sample* row, int32 W, int32 a, int32 b) {
    if (a > 3 && b < W - 4)
        FillRowCubic(row, a, b);
    else
        FillRowLinear(row, W, a, b);
}

template <typename Sample>
void FillRows(WireJob& job) {
    const int32* runStart = job.runStart.Items<int32>();
    const int32* runEnd = job.runEnd.Items<int32>();
    for (int32 r = 0; r < job.stripLength; ++r)
        FillRow(job.strip.Row<Sample>(r), job.stripWidth, runStart[r], runEnd[r]);
}

template void FillRows<uint8>(WireJob&);
template void FillRows<uint16>(WireJob&);
template void FillRow(uint8*, int32, int32, int32);
template void FillRow(uint16*, int32, int32, int32);
template void FillRowCubic(uint8*, int32, int32);
template void FillRowCubic(uint16*, int32, int32);
template void FillRowLinear(uint8*, int32, int32, int32);
template void FillRowLinear(uint16*, int32, int32, int32);

#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// Test pictures made with libpng's own writer, so no binary fixture is kept.
struct TPngFixture {
    int Width = 0;
    int Height = 0;
    int ColorType = 0; // PNG_COLOR_TYPE_*
    int BitDepth = 8;
    // Every sample in row order, one value per channel and pixel; for a
    // palette picture the palette index.
    std::vector<int> Samples = {};
    std::vector<std::vector<int>> Palette = {}; // {r, g, b} entries
    std::vector<int> PaletteAlpha = {};       // tRNS of a palette picture
    std::optional<std::vector<int>> TransparentColor = {}; // tRNS key: {grey} or {r, g, b}
    bool Interlaced = false;
    double FileGamma = 0; // written as gAMA when above 0
    int ChunkSize = 0;    // image data chunk size; 0: libpng's own
};

QByteArray WritePng(const TPngFixture &fixture);

// The offset of the first or last chunk of that type (its length field),
// or -1.
int FindChunk(const QByteArray &png, const char *type);
int FindLastChunk(const QByteArray &png, const char *type);

// The length of the data of the chunk at that offset.
int ChunkLength(const QByteArray &png, int chunkOffset);

// Recomputes the CRC of the chunk at that offset after its data was edited.
void FixChunkCrc(QByteArray &png, int chunkOffset);

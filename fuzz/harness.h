#pragma once
// The bodies of the fuzz targets. The fuzzers call them with generated
// inputs; the regular tests call them with every file of the seed corpus.
#include <cstddef>
#include <cstdint>

namespace spurgear::fuzz {

// The .hgd reader: a file image laid over the default table. Traps when an
// accepted file does not survive a write unchanged.
void HgdReader(const uint8_t* data, std::size_t size);

// The .hgd reader followed by every command of both windows on what it
// loaded: the calculation, outlines, meshing frames, backlash study,
// strength estimate, history, table copy, DXF text, print and help.
void HgdCommands(const uint8_t* data, std::size_t size);

// The decimal and whole-number parsers and both number formats.
void Parsers(const uint8_t* data, std::size_t size);

// spurgear-cli's argument handling: the input split at NUL bytes into
// arguments (options that write files are dropped).
void CliArgs(const uint8_t* data, std::size_t size);

}  // namespace spurgear::fuzz

#pragma once

#include "batch/batch_engine.h"

namespace velmora {

/// Writes the fourth text (UTF-8) into the files 1.type to n.type of the folder, n being the
/// integer part of the number in the third text; existing files are replaced whole.
void GenerateFiles(const BatchInputs& inputs, BatchTools& tools);

/// Appends the texts of the matching files, in listing order, to the fourth text and writes the
/// result to the summary file 汇总.type of the folder.
void MergeDocuments(const BatchInputs& inputs, BatchTools& tools);

/// Splits the document named by the folder text into key files: each line, after its marks are
/// expanded, adds its words, one per line, to the file named by its first word and ".TXT" in the
/// document's folder. Key files that exist are added to.
void SplitDocument(const BatchInputs& inputs, BatchTools& tools);

/// Replaces every occurrence of the third text by the fourth in each matching file; a file
/// holding a zero byte, or one that cannot be read, is left as it is.
void ReplaceInFiles(const BatchInputs& inputs, BatchTools& tools);

} // namespace velmora

// The Multibar's lines, search again and date paste.
#pragma once

namespace pw {

void RunMultibarLine();
void RunMultibarSecondWay();
void FindNext();
void PasteDate();
void ShowKeywords();

}  // namespace pw

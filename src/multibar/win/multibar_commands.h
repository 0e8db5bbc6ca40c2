// The Multibar's lines, search again and keywords.
#pragma once

namespace pw {

void RunMultibarLine();
void RunMultibarSecondWay();
void FindNext();
void ShowKeywords();

}  // namespace pw

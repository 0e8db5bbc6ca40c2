// A drag out: the file list is built (media/drop_data), wrapped in a one-format CDataObject, and DoDragDrop
// runs the modal loop with a CDropSource that ends it on release or Escape. Both objects go afterwards.
#include "media/win/drag_out.h"

#include "media/drop_data.h"
#include "media/win/data_object.h"
#include "settings/text.h"
#include "settings/win/com_ptr.h"
#include "settings/win/global_memory.h"

namespace pw {

IDataObject* MakeFileDragObject(const std::string& folder, const std::string& fileName)
{
    if (fileName.empty()) return nullptr;
    std::string path;
    if (!JoinPath(path, folder, fileName)) return nullptr;
    GlobalMemory block = GlobalCopyOf(DropFilesBlock({path}), GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT);
    if (!block) return nullptr;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block.release();
    return new CDataObject(&format, &medium, 1);
}

void dragFileOut(const std::string& folder, const std::string& fileName)
{
    ComPtr<IDataObject> data(MakeFileDragObject(folder, fileName));
    if (!data) return;
    ComPtr<IDropSource> source(new CDropSource);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY, &effect);
}

}  // namespace pw

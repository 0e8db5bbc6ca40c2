// The drag-and-drop objects answered method by method, and the data object a drag out hands to other programs.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gui_harness.h"
#include "test_server.h"
#include "media/bmp.h"
#include "media/drop_data.h"
#include "media/win/drop_target.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "shell/win/main_window.h"

#include "media/win/data_object.h"
#include "media/win/drag_out.h"
#include "settings/win/com_ptr.h"
#include "settings/win/global_memory.h"

namespace {

using pw::ComPtr;

FORMATETC Format(CLIPFORMAT format, DWORD tymed = TYMED_HGLOBAL)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, tymed};
}

STGMEDIUM Global(const std::string& bytes)
{
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = pw::GlobalCopyOf(bytes).release();
    return medium;
}

// A data object offering text and a bitmap block, in that order.
ComPtr<IDataObject> TextAndBitmap()
{
    FORMATETC formats[] = {Format(CF_TEXT), Format(CF_DIB)};
    STGMEDIUM media[] = {Global(std::string("hello\0", 6)), Global("dib")};
    return ComPtr<IDataObject>(new pw::CDataObject(formats, media, 2));
}

TEST(DragDropObjects, ReferenceCountStartsAtOneAndInterfacesAreTheObjectsOwn)
{
    ComPtr<IDataObject> data = TextAndBitmap();
    EXPECT_EQ(data->AddRef(), 2u);
    EXPECT_EQ(data->Release(), 1u);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    for (REFIID iid : {IID_IUnknown, IID_IDataObject}) {
        ASSERT_EQ(data->QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void*>(data.get()));
        EXPECT_EQ(data->Release(), 1u);
    }
    ComPtr<IDropSource> source(new pw::CDropSource);
    EXPECT_EQ(source->QueryInterface(IID_IDataObject, &out), E_NOINTERFACE);
    ASSERT_EQ(source->QueryInterface(IID_IDropSource, &out), S_OK);
    EXPECT_EQ(source->Release(), 1u);
}

TEST(DragDropObjects, GetDataAnswersAFreshCopyOfTheMatchingEntry)
{
    ComPtr<IDataObject> data = TextAndBitmap();
    FORMATETC text = Format(CF_TEXT, TYMED_HGLOBAL | TYMED_ISTREAM);
    STGMEDIUM first{};
    ASSERT_EQ(data->GetData(&text, &first), S_OK);
    STGMEDIUM second{};
    ASSERT_EQ(data->GetData(&text, &second), S_OK);
    EXPECT_EQ(first.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(first.pUnkForRelease, nullptr);
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_EQ(pw::GlobalBytes(first.hGlobal), std::string("hello\0", 6));
    ReleaseStgMedium(&first);
    EXPECT_EQ(pw::GlobalBytes(second.hGlobal), std::string("hello\0", 6));
    ReleaseStgMedium(&second);

    struct Case {
        FORMATETC format;
        HRESULT result;
    };
    FORMATETC otherAspect = Format(CF_TEXT);
    otherAspect.dwAspect = DVASPECT_ICON;
    const Case cases[] = {
        {Format(CF_DIB), S_OK},
        {Format(CF_HDROP), DV_E_FORMATETC},
        {Format(CF_TEXT, TYMED_ISTREAM), DV_E_FORMATETC},
        {otherAspect, DV_E_FORMATETC},
    };
    for (const Case& c : cases) {
        FORMATETC format = c.format;
        EXPECT_EQ(data->QueryGetData(&format), c.result) << format.cfFormat;
        STGMEDIUM medium{};
        EXPECT_EQ(data->GetData(&format, &medium), c.result) << format.cfFormat;
        if (medium.hGlobal) ReleaseStgMedium(&medium);
    }
}

TEST(DragDropObjects, DataObjectRefusesWhatItDoesNotDo)
{
    ComPtr<IDataObject> data = TextAndBitmap();
    FORMATETC text = Format(CF_TEXT);
    STGMEDIUM medium{};
    EXPECT_EQ(data->GetDataHere(&text, &medium), DV_E_FORMATETC);
    FORMATETC canonical = text;
    canonical.ptd = reinterpret_cast<DVTARGETDEVICE*>(&medium);
    EXPECT_EQ(data->GetCanonicalFormatEtc(&text, &canonical), E_NOTIMPL);
    EXPECT_EQ(canonical.ptd, nullptr);
    EXPECT_EQ(data->SetData(&text, &medium, FALSE), E_NOTIMPL);
    IEnumFORMATETC* setEnum = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &setEnum), E_NOTIMPL);
    DWORD connection = 0;
    EXPECT_EQ(data->DAdvise(&text, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->DUnadvise(0), OLE_E_ADVISENOTSUPPORTED);
    IEnumSTATDATA* advises = nullptr;
    EXPECT_EQ(data->EnumDAdvise(&advises), OLE_E_ADVISENOTSUPPORTED);
}

TEST(DragDropObjects, EnumeratorWalksTheFormatsInOrder)
{
    ComPtr<IDataObject> data = TextAndBitmap();
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.out()), S_OK);
    FORMATETC got[3]{};
    ULONG fetched = 9;
    EXPECT_EQ(formats->Next(0, got, &fetched), E_INVALIDARG);
    EXPECT_EQ(formats->Next(1, nullptr, &fetched), E_INVALIDARG);
    ASSERT_EQ(formats->Next(1, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    ComPtr<IEnumFORMATETC> clone;
    ASSERT_EQ(formats->Clone(clone.out()), S_OK);
    EXPECT_EQ(formats->Next(3, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_DIB);
    ASSERT_EQ(clone->Next(1, got, nullptr), S_OK);  // the clone kept the cursor where it was
    EXPECT_EQ(got[0].cfFormat, CF_DIB);
    EXPECT_EQ(formats->Reset(), S_OK);
    EXPECT_EQ(formats->Skip(2), S_OK);
    EXPECT_EQ(formats->Skip(1), S_FALSE);
    EXPECT_EQ(formats->Reset(), S_OK);
    EXPECT_EQ(formats->Next(2, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
}

TEST(DragDropObjects, DropSourceFollowsEscapeAndTheLeftButton)
{
    ComPtr<IDropSource> source(new pw::CDropSource);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_CONTROL), S_OK);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
}

TEST(DragOut, OffersExactlyOneFileListOfTheOneFile)
{
    ComPtr<IDataObject> data(pw::MakeFileDragObject("C:\\notes", "today.txt"));
    ASSERT_TRUE(data);
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.out()), S_OK);
    FORMATETC got[2]{};
    ULONG fetched = 0;
    EXPECT_EQ(formats->Next(2, got, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_HDROP);
    EXPECT_EQ(got[0].ptd, nullptr);
    EXPECT_EQ(got[0].dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
    EXPECT_EQ(got[0].lindex, -1);
    EXPECT_EQ(got[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));

    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&got[0], &medium), S_OK);
    const std::string path = "C:\\notes\\today.txt";
    EXPECT_EQ(pw::GlobalBytes(medium.hGlobal).size(), path.size() + 22);
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 1u);
    char name[MAX_PATH]{};
    DragQueryFileA(drop, 0, name, MAX_PATH);
    EXPECT_EQ(std::string(name), path);
    ReleaseStgMedium(&medium);
}

TEST(DragOut, AnEmptyNameBuildsNothing)
{
    EXPECT_EQ(pw::MakeFileDragObject("C:\\notes", ""), nullptr);
    EXPECT_EQ(pw::MakeFileDragObject(std::string(250, 'a'), "name-too-long.txt"), nullptr);
    pw::dragFileOut("C:\\notes", "");  // returns at once: no modal loop without data
}

// Drops onto the real panes: the test builds the data object and calls the registered target directly.
class DropTest : public pwtest::PagewickTest {
protected:
    void StartLibrary()
    {
        notes = InFolder("Notes");
        MakeFolder(notes);
        WriteFile(notes + "\\a.txt", "a");
        WriteIni(
            "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
            "ImagePrependDate=0\r\n[BasicRoots]\r\n" +
            notes + "=Notes;.txt\r\n");
        ASSERT_TRUE(Start());
        ASSERT_NE(pw::Main().drops.files, nullptr);
        ASSERT_NE(pw::Main().drops.editNoWrap, nullptr);
        ASSERT_NE(pw::Main().drops.editWrap, nullptr);
    }

    // DragEnter then Drop, as the system calls them; the effects each answered.
    std::pair<DWORD, DWORD> DropOn(pw::CDropTarget* target, IDataObject* data)
    {
        DWORD entered = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, POINTL{0, 0}, &entered), S_OK);
        DWORD over = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, POINTL{0, 0}, &over), S_OK);
        EXPECT_EQ(over, entered);
        DWORD dropped = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->Drop(data, 0, POINTL{0, 0}, &dropped), S_OK);
        Pump();
        return {entered, dropped};
    }

    pw::CDropTarget* Editor()
    {
        return pw::ActiveEditor() == pw::Main().panes.editWrap ? pw::Main().drops.editWrap
                                                               : pw::Main().drops.editNoWrap;
    }

    std::string notes;
};

ComPtr<IDataObject> Offering(std::vector<std::pair<CLIPFORMAT, std::string>> entries)
{
    std::vector<FORMATETC> formats;
    std::vector<STGMEDIUM> media;
    for (const auto& [format, bytes] : entries) {
        formats.push_back(Format(format));
        media.push_back(Global(bytes));
    }
    return ComPtr<IDataObject>(new pw::CDataObject(formats.data(), media.data(), static_cast<int>(formats.size())));
}

CLIPFORMAT Html()
{
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatA("text/html"));
}

TEST_F(DropTest, ThreeFilesWithTheSecondTakenCopyTheOthersAndReportIt)
{
    StartLibrary();
    const std::string from = InFolder("from");
    MakeFolder(from);
    for (const char* name : {"one.txt", "two.txt", "three.txt"}) WriteFile(from + "\\" + name, name);
    WriteFile(notes + "\\two.txt", "kept");
    ComPtr<IDataObject> data =
        Offering({{CF_HDROP, pw::DropFilesBlock({from + "\\one.txt", from + "\\two.txt", from + "\\three.txt"})}});
    EXPECT_EQ(DropOn(pw::Main().drops.files, data.get()),
              std::make_pair(DWORD{DROPEFFECT_COPY}, DWORD{DROPEFFECT_COPY}));
    EXPECT_EQ(ReadFile(notes + "\\one.txt"), "one.txt");
    EXPECT_EQ(ReadFile(notes + "\\two.txt"), "kept");
    EXPECT_EQ(ReadFile(notes + "\\three.txt"), "three.txt");
    EXPECT_EQ(pw::LastStatusText(), "File exists: two.txt");
    EXPECT_EQ(SelectedIn(pw::Main().panes.files), "three.txt");
}

TEST_F(DropTest, BitmapWithHtmlSavesTheBitmapAndFetchesNothing)
{
    StartLibrary();
    const std::string dib = pw::BmpInfoHeader(1, 1, 24) + std::string("\x10\x20\x30\0", 4);
    ComPtr<IDataObject> data = Offering({{Html(), "<img src=\"http://127.0.0.1:9/never.png\">"}, {CF_DIB, dib}});
    DropOn(pw::Main().drops.files, data.get());
    EXPECT_TRUE(Exists(notes + "\\Image_000.png"));
    EXPECT_FALSE(Exists(notes + "\\Image_000.bmp"));
    EXPECT_FALSE(Exists(notes + "\\never.png"));
    EXPECT_EQ(SelectedIn(pw::Main().panes.files), "Image_000.png");
}

TEST_F(DropTest, BitmapOnANoteIsSavedInImgsUnderTheDroppedNameAndLinked)
{
    StartLibrary();
    ClickFile("a.txt");
    const std::string dib = pw::BmpInfoHeader(1, 1, 24) + std::string("\x10\x20\x30\0", 4);
    ComPtr<IDataObject> data = Offering({{CF_TEXT, std::string("C:\\pics\\My%20Cat.jpg\0", 22)}, {CF_DIB, dib}});
    DropOn(Editor(), data.get());
    EXPECT_TRUE(Exists(notes + "\\imgs\\My Cat.png"));
    EXPECT_NE(TextOf(pw::ActiveEditor()).find("![ My Cat.png ](imgs/My Cat.png)"), std::string::npos)
        << TextOf(pw::ActiveEditor());
    // The same drop again never replaces the saved image.
    DropOn(Editor(), data.get());
    EXPECT_TRUE(Exists(notes + "\\imgs\\My Cat_001.png"));
}

TEST_F(DropTest, HtmlWithoutPlainTextInsertsItsDecodedTextWithoutTags)
{
    StartLibrary();
    ClickFile("a.txt");
    ComPtr<IDataObject> data = Offering({{Html(), "<p>Caf&eacute; &amp; <b>bar</b></p>"}});
    DropOn(Editor(), data.get());
    EXPECT_NE(TextOf(pw::ActiveEditor()).find("Caf\xe9 & bar"), std::string::npos) << TextOf(pw::ActiveEditor());
}

TEST_F(DropTest, HtmlWithPlainTextTakesThePlainText)
{
    StartLibrary();
    ClickFile("a.txt");
    ComPtr<IDataObject> both = Offering({{Html(), "<p>html</p>"}, {CF_TEXT, std::string("plain\0", 6)}});
    DropOn(Editor(), both.get());
    EXPECT_NE(TextOf(pw::ActiveEditor()).find("plain"), std::string::npos);
    EXPECT_EQ(TextOf(pw::ActiveEditor()).find("html"), std::string::npos);
}

TEST_F(DropTest, PlainTextOnTheFilePaneBecomesANewNote)
{
    StartLibrary();
    ComPtr<IDataObject> data = Offering({{CF_TEXT, std::string("dropped words\0", 14)}});
    DropOn(pw::Main().drops.files, data.get());
    EXPECT_EQ(ReadFile(notes + "\\New Note.txt"), "dropped words");
}

TEST_F(DropTest, AFormatNotInGlobalMemoryIsRefusedAndDropsNothing)
{
    StartLibrary();
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()), S_OK);
    FORMATETC format = Format(CF_TEXT, TYMED_ISTREAM);
    STGMEDIUM medium{};
    medium.tymed = TYMED_ISTREAM;
    medium.pstm = stream.get();
    stream->AddRef();  // the data object owns one reference
    ComPtr<IDataObject> data(new pw::CDataObject(&format, &medium, 1));
    EXPECT_EQ(DropOn(pw::Main().drops.files, data.get()),
              std::make_pair(DWORD{DROPEFFECT_NONE}, DWORD{DROPEFFECT_NONE}));
    EXPECT_FALSE(Exists(notes + "\\New Note.txt"));
    ComPtr<IDataObject> none = Offering({{CF_UNICODETEXT, std::string("x\0\0\0", 4)}});
    EXPECT_EQ(DropOn(pw::Main().drops.files, none.get()),
              std::make_pair(DWORD{DROPEFFECT_NONE}, DWORD{DROPEFFECT_NONE}));
    EXPECT_FALSE(Exists(notes + "\\New Note.txt"));
}

}  // namespace

namespace pwtest {
namespace {

const std::string kPngBytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

Reply PngReply(const std::string&)
{
    return Reply{"HTTP/1.0 200 OK\r\nContent-Length: 16\r\n\r\n" + kPngBytes};
}

TEST_F(DropTest, AnUppercaseImgFragmentIsDownloadedIntoImgsAndLinked)
{
    StartLibrary();
    ClickFile("a.txt");
    TestServer server;
    server.Serve(PngReply);
    ComPtr<IDataObject> data = Offering(
        {{Html(), "<IMG SRC=\"" + server.Address("/pics/cat.png") + "\">"}, {CF_TEXT, std::string("alt text\0", 9)}});
    DropOn(Editor(), data.get());
    EXPECT_EQ(ReadFile(notes + "\\imgs\\cat.png"), kPngBytes);
    EXPECT_NE(TextOf(pw::ActiveEditor()).find("![ cat.png ](imgs/cat.png)"), std::string::npos)
        << TextOf(pw::ActiveEditor());
    EXPECT_EQ(TextOf(pw::ActiveEditor()).find("alt text"), std::string::npos);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].find("Referer"), std::string::npos);
}

TEST_F(DropTest, AnImageFragmentOnTheFilePaneIsDownloadedIntoTheFolderAndSelected)
{
    StartLibrary();
    TestServer server;
    server.Serve(PngReply);
    ComPtr<IDataObject> data = Offering({{Html(), "<img alt=\"x\" src=\"" + server.Address("/shot.png") + "\">"}});
    DropOn(pw::Main().drops.files, data.get());
    EXPECT_EQ(ReadFile(notes + "\\shot.png"), kPngBytes);
    EXPECT_EQ(SelectedIn(pw::Main().panes.files), "shot.png");
}

}  // namespace
}  // namespace pwtest

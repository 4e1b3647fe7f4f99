// The children of LorvexMDI: the strip's place as a child is resized and minimised, the
// boxes of a child without a usable record, and what 200 children leave behind.
#include <windows.h>

#include <string>
#include <vector>

#include "mdi_fixture.h"

namespace {

// The strip's rectangle in client coordinates of its child.
RECT StripPlace(HWND child) {
    return ChildRect(StripOf(child));
}

TEST_F(MdiFrame, StripLiesAlongTheBottomAfterResizingAndMinimising) {
    HWND child = OpenChild();
    HWND strip = StripOf(child);
    ASSERT_NE(strip, nullptr);
    int h = static_cast<int>(GetWindowLongPtrA(strip, GWLP_USERDATA));
    ASSERT_GT(h, 0);
    EXPECT_EQ(GetDlgCtrlID(strip), IDC_STATUS_STRIP);
    EXPECT_EQ(GetWindowLongA(strip, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER),
              static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_BORDER));
    EXPECT_EQ(WindowText(strip), STRIP_INITIAL_TEXT);

    struct {
        int w, h;
    } const sizes[] = {{400, 300}, {150, 90}, {600, 120}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        MoveWindow(child, 10, 10, s.w, s.h, TRUE);
        RECT client;
        GetClientRect(child, &client);
        RECT r = StripPlace(child);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.right, client.right);
        EXPECT_EQ(r.bottom, client.bottom);
        EXPECT_EQ(r.bottom - r.top, h);
    }
    SaveWindowPng(hwndFrame, "lorvexmdi_child_resized");

    // Minimised: the client is 0 x 0, so the strip moves up out of sight.
    ShowWindow(child, SW_MINIMIZE);
    RECT r = StripPlace(child);
    EXPECT_EQ(r.top, -h);
    EXPECT_EQ(r.right - r.left, 0);
    ShowWindow(child, SW_RESTORE);
    RECT client;
    GetClientRect(child, &client);
    r = StripPlace(child);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(r.right, client.right);

    // Maximised, and one of two maximised children closed: no box, the strip follows.
    HWND second = OpenChild();
    ExpectNoBox([&] {
        ShowWindow(second, SW_MAXIMIZE);
        GetClientRect(second, &client);
        RECT m = StripPlace(second);
        EXPECT_EQ(m.bottom, client.bottom);
        EXPECT_EQ(m.right, client.right);
        SendMessageA(second, WM_CLOSE, 0, 0);
        PumpFor(100);
    });
    EXPECT_EQ(ActiveChild(), child);
}

TEST(ChildRecord, MdiCreateParamIsTheCreatorsValue) {
    MDICREATESTRUCTA mcs{};
    mcs.lParam = static_cast<LPARAM>(0x12345678);
    CREATESTRUCTA cs{};
    cs.lpCreateParams = &mcs;
    EXPECT_EQ(GetMdiCreateParam(&cs), static_cast<LPARAM>(0x12345678));
    mcs.lParam = 0;
    EXPECT_EQ(GetMdiCreateParam(&cs), 0);
}

// Creates a child as the frame would, but with `record` as its creation value.
HWND CreateChildWithRecord(HLOCAL record) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = "LorvexMDI";
    mcs.szTitle = "odd child";
    mcs.hOwner = hModule;
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.lParam = reinterpret_cast<LPARAM>(record);
    return reinterpret_cast<HWND>(
        SendMessageA(hwndClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

int locksRefused = 0;
LPVOID WINAPI RefuseLocks(HLOCAL) {
    ++locksRefused;
    return nullptr;
}

TEST_F(MdiFrame, ChildWithoutAUsableRecordReportsEachStepAndStaysUsable) {
    // No record at all: reported on creation, then on every size change and command.
    // The first size change comes while the child is created.
    HWND child = nullptr;
    std::vector<BoxSeen> boxes = BoxesDuring([&] { child = CreateChildWithRecord(nullptr); }, 2);
    EXPECT_EQ(boxes[0].text, "Can't allocate hInfo!");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].owner, hwndFrame);
    EXPECT_EQ(boxes[1].text, "Can't get hInfo!");
    EXPECT_EQ(boxes[1].caption, "Error");
    BoxSeen box;
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(RecordHandle(child), nullptr);
    EXPECT_EQ(WindowText(StripOf(child)), STRIP_INITIAL_TEXT);
    RECT before = StripPlace(child);

    box = ExpectOneBox([&] { MoveWindow(child, 0, 0, 300, 200, TRUE); });
    EXPECT_EQ(box.text, "Can't get hInfo!");
    EXPECT_EQ(box.caption, "Error");
    RECT after = StripPlace(child);
    EXPECT_EQ(after.top, before.top); // the strip stays where it was

    box = ExpectOneBox([&] { SendMessageA(hwndFrame, WM_COMMAND, IDM_OPT_1, 0); });
    EXPECT_EQ(box.text, "Can't get hInfo!");
    EXPECT_EQ(box.caption, "Can't get hInfo!");
    EXPECT_EQ(box.owner, hwndFrame);
    EXPECT_EQ(WindowText(StripOf(child)), STRIP_INITIAL_TEXT);
    ExpectNoBox([&] { SendMessageA(child, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(IsWindow(child));

    // A record that cannot be locked: reported, still attached, and freed on close.
    HLOCAL record = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(INFO));
    infoLock = RefuseLocks;
    locksRefused = 0;
    boxes = BoxesDuring([&] { child = CreateChildWithRecord(record); }, 2);
    for (const BoxSeen& b : boxes) {
        EXPECT_EQ(b.text, "Failed in LocalLock");
        EXPECT_EQ(b.caption, "Error");
        EXPECT_EQ(b.owner, hwndFrame);
    }
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(RecordHandle(child), record);
    box = ExpectOneBox([&] { SendMessageA(hwndFrame, WM_COMMAND, IDM_OPT_3, 0); });
    EXPECT_EQ(box.text, "Failed in LocalLock");
    EXPECT_EQ(WindowText(StripOf(child)), STRIP_INITIAL_TEXT);
    box = ExpectOneBox([&] { MoveWindow(child, 0, 0, 320, 210, TRUE); });
    EXPECT_EQ(box.text, "Failed in LocalLock");
    EXPECT_GE(locksRefused, 3);
    infoLock = LocalLock;
    SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_TRUE(BlockFreed(record));
}

// Blocks in use in the process heap, which holds the local memory blocks.
int BusyHeapBlocks() {
    HANDLE heap = GetProcessHeap();
    PROCESS_HEAP_ENTRY entry{};
    int busy = 0;
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            ++busy;
    HeapUnlock(heap);
    return busy;
}

TEST_F(MdiFrame, TwoHundredChildrenLeaveNoFontNoRecordAndNoWindowBehind) {
    HANDLE process = GetCurrentProcess();
    // Warm up once, so that what the first child loads for good is not counted.
    SendMessageA(OpenChild(), WM_CLOSE, 0, 0);
    DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    int heapBefore = BusyHeapBlocks();
    int failures = 0;
    for (int i = 0; i < 200 && failures < 5; ++i) {
        HWND child = OpenChild();
        HWND strip = StripOf(child);
        HLOCAL record = RecordHandle(child);
        HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(strip, 0));
        bool ok = child != nullptr && record != nullptr && GetObjectType(font) == OBJ_FONT;
        SendMessageA(child, WM_CLOSE, 0, 0);
        ok = ok && !IsWindow(child) && !IsWindow(strip) && BlockFreed(record) &&
             GetObjectType(font) == 0;
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "child " << i << " left something behind";
        }
    }
    EXPECT_EQ(nChildNo, 201);
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(GetMenu(hwndFrame), hMenuFrame);
    EXPECT_EQ(BusyHeapBlocks(), heapBefore);
    // Where the platform counts handles (Wine answers 0), none is left over.
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), userBefore);
}

} // namespace

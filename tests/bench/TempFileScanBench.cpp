// How fast the temporary-files scan walks a large tree, against the bare
// FindFirstFileW/FindNextFileW walk it is built on. Builds the tree once on
// drive W: and reuses it afterwards.
//   nx_bench_tempfiles [files, default 200000]
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cleaners/files/TempFileSection.h"
#include "resources/EnglishTexts.h"
#include "tests/support/ScriptedHost.h"
#include "win32/WideText.h"
#include "win32/Win32FileFind.h"
#include "win32/Win32FileRemoval.h"

namespace {

constexpr int kFilesPerFolder = 100, kFoldersPerGroup = 50;

std::wstring FolderOf(int folder) {
  return L"W:\\bench\\g" + std::to_wstring(folder / kFoldersPerGroup) + L"\\f" + std::to_wstring(folder);
}

// One file in ten is named like a temporary file.
bool BuildTree(int files) {
  std::wstring ready = L"W:\\bench\\ready-" + std::to_wstring(files);
  if (GetFileAttributesW(ready.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  CreateDirectoryW(L"W:\\bench", nullptr);
  int folders = (files + kFilesPerFolder - 1) / kFilesPerFolder;
  for (int folder = 0, made = 0; folder < folders; ++folder) {
    if (folder % kFoldersPerGroup == 0)
      CreateDirectoryW((L"W:\\bench\\g" + std::to_wstring(folder / kFoldersPerGroup)).c_str(), nullptr);
    std::wstring path = FolderOf(folder);
    CreateDirectoryW(path.c_str(), nullptr);
    for (int i = 0; i < kFilesPerFolder && made < files; ++i, ++made) {
      std::wstring name = path + L"\\file" + std::to_wstring(i) + (i % 10 == 0 ? L".tmp" : L".dat");
      HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE) return false;
      DWORD written;
      WriteFile(file, "0123456789", 1 + i % 10, &written, nullptr);
      CloseHandle(file);
    }
  }
  HANDLE marker = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(marker);
  return true;
}

// The least a walk can do: list every folder, count the files.
long long BareWalk(const std::wstring& folder) {
  long long files = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (data.cFileName[0] != L'.') files += BareWalk(folder + data.cFileName + L"\\");
    } else {
      ++files;
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return files;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace nx;
  SetTextSource(&EnglishTexts());
  int files = argc > 1 ? std::atoi(argv[1]) : 200000;
  auto start = std::chrono::steady_clock::now();
  if (!BuildTree(files)) {
    std::fprintf(stderr, "could not build the tree on W:\n");
    return 1;
  }
  std::printf("tree of %d files in %d folders ready in %.1f s\n", files,
              (files + kFilesPerFolder - 1) / kFilesPerFolder, Seconds(start));

  Win32FileFinder finder;
  Win32FileRemoval removal;
  LocaleFormats formats;
  formats.shortDate = "yyyy-MM-dd";
  FileSectionTools tools{finder, removal, "", formats};
  double bestBare = 1e9, bestScan = 1e9;
  long long walked = 0;
  size_t listed = 0;
  // Alternating rounds, so that both see the same warm caches; the best of
  // each counts.
  for (int round = 0; round < 5; ++round) {
    start = std::chrono::steady_clock::now();
    walked = BareWalk(L"W:\\bench\\");
    bestBare = std::min(bestBare, Seconds(start));

    test::ScriptedHost host;
    host.settings.ScanDriveLetters = {"W"};
    host.settings.TempMasks = {"*.BAK", "*.OLD", "*.TMP", "*.*~*"};
    host.settings.BackupDir = "C:\\Neatrix\\Backup\\";
    start = std::chrono::steady_clock::now();
    TempFileScan(host, tools);
    bestScan = std::min(bestScan, Seconds(start));
    listed = host.results.tf.paths.size();
  }

  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("bare FindFirstFileW/FindNextFileW walk: %lld files, %.3f s, %.0f files/s\n", walked, bestBare,
              walked / bestBare);
  std::printf("temporary-files scan: %zu listed, %.3f s, %.0f files/s\n", listed, bestScan, walked / bestScan);
  std::printf("scan time / bare walk time: %.3f (%+.1f %%)\n", bestScan / bestBare, (bestScan / bestBare - 1) * 100);
  std::printf("peak working set: %.1f MiB, peak private bytes: %.1f MiB\n", memory.PeakWorkingSetSize / 1048576.0,
              memory.PeakPagefileUsage / 1048576.0);
  return 0;
}

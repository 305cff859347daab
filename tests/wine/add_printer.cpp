// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives a Wine installation a printer, as every Windows has one ("Microsoft
// Print to PDF"): Wine lists only the printers of a CUPS server, and a test
// machine has none. The printer uses Wine's own PostScript driver with the
// generic PPD that Wine keeps in winspool.drv for printers without one, and
// prints to a file. It becomes the default printer.
//
//   wine add_printer.exe "NAME"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: add_printer.exe NAME\n");
        return 2;
    }
    const std::wstring name = argv[1];

    // The PPD Wine falls back on, from its own resources.
    HMODULE spooler = LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = spooler ? FindResourceW(spooler, MAKEINTRESOURCEW(1), L"PPDFILE") : nullptr;
    HGLOBAL loaded = resource ? LoadResource(spooler, resource) : nullptr;
    if (!loaded) {
        std::fprintf(stderr, "add_printer: no PPD in winspool.drv (error %lu)\n", GetLastError());
        return 1;
    }
    const char *ppd = static_cast<const char *>(LockResource(loaded));
    DWORD size = SizeofResource(spooler, resource);
    if (const void *end = std::memchr(ppd, 0, size))
        size = DWORD(static_cast<const char *>(end) - ppd);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring ppdPath = std::wstring(folder) + L"pallastro-test-printer.ppd";
    HANDLE file = CreateFileW(ppdPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool saved = file != INVALID_HANDLE_VALUE && WriteFile(file, ppd, size, &written, nullptr) && written == size;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!saved) {
        std::fprintf(stderr, "add_printer: the PPD could not be written\n");
        return 1;
    }

    wchar_t driver[] = L"wineps.drv";
    wchar_t processor[] = L"wineps";
    wchar_t raw[] = L"RAW";
    wchar_t port[] = L"FILE:";
    wchar_t empty[] = L"";
    AddPrintProcessorW(nullptr, nullptr, driver, processor);

    DRIVER_INFO_3W info{};
    info.cVersion = 3;
    info.pName = const_cast<wchar_t *>(name.c_str());
    info.pDriverPath = driver;
    info.pDataFile = const_cast<wchar_t *>(ppdPath.c_str());
    info.pConfigFile = driver;
    info.pDefaultDataType = raw;
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE *>(&info),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)
        && GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        std::fprintf(stderr, "add_printer: no driver (error %lu)\n", GetLastError());
        return 1;
    }

    PRINTER_INFO_2W printer{};
    printer.pPrinterName = const_cast<wchar_t *>(name.c_str());
    printer.pPortName = port;
    printer.pDriverName = const_cast<wchar_t *>(name.c_str());
    printer.pPrintProcessor = processor;
    printer.pDatatype = raw;
    printer.pParameters = empty;
    printer.pShareName = empty;
    printer.pSepFile = empty;
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&printer));
    if (!added && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        std::fprintf(stderr, "add_printer: no printer (error %lu)\n", GetLastError());
        return 1;
    }
    if (added)
        ClosePrinter(added);
    if (!SetDefaultPrinterW(name.c_str())) {
        std::fprintf(stderr, "add_printer: not made the default (error %lu)\n", GetLastError());
        return 1;
    }
    return 0;
}

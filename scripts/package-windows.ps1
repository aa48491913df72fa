# Builds pstedit and pstool on Windows with a CMake preset, runs the tests,
# and makes a folder and a zip to copy to an engineer's desktop: the two
# programs, the Qt libraries and plugins they need (windeployqt), the C++
# runtime, the catalogs beside pstedit.exe, the sample modules and the guide.
#
#   scripts\package-windows.ps1 [-Preset windows-msvc|windows-mingw] [-Output dist] [-SkipTests]
#
# Needs, on a Windows machine: CMake 3.25 or later and Ninja; Visual Studio
# 2022 with its C++ tools (run this from its "x64 Native Tools" or developer
# PowerShell) for windows-msvc, or Qt's MinGW-w64 first in PATH for
# windows-mingw; Qt 6 for that compiler, named by QTDIR (for example
# C:\Qt\6.5.3\msvc2019_64); vcpkg, named by VCPKG_ROOT (Visual Studio sets
# it), which brings GoogleTest and nlohmann-json (vcpkg.json).
#
# Not run on the development machine: there is no Qt 6 for Windows there.
# What is tested there is the core and pstool under Wine (scripts/test-windows.sh).

param(
    [ValidateSet("windows-msvc", "windows-mingw")] [string] $Preset = "windows-msvc",
    [string] $Output = "dist",
    [switch] $SkipTests
)
$ErrorActionPreference = "Stop"
Set-Location (Split-Path -Parent $PSScriptRoot)

function Invoke-Step([string] $What, [scriptblock] $Command) {
    Write-Host "== $What"
    & $Command
    if ($LASTEXITCODE -ne 0) { throw "$What failed ($LASTEXITCODE)" }
}

if (-not $env:QTDIR -or -not (Test-Path "$env:QTDIR\bin\windeployqt.exe")) {
    throw "QTDIR must name a Qt 6 installation with bin\windeployqt.exe, for example C:\Qt\6.5.3\msvc2019_64"
}
if (-not $env:VCPKG_ROOT) {
    throw "VCPKG_ROOT must name a vcpkg checkout (the developer PowerShell of Visual Studio 2022 sets it)"
}

Invoke-Step "configure ($Preset)" { cmake --preset $Preset }
Invoke-Step "build" { cmake --build --preset $Preset }
if (-not $SkipTests) {
    Invoke-Step "test" { ctest --preset $Preset }
}

$stage = Join-Path $Output "pstedit"
if (Test-Path $stage) { Remove-Item -Recurse -Force $stage }
Invoke-Step "install into $stage" { cmake --install "build-$Preset" --prefix $stage }

# The Qt libraries and plugins beside the programs (the platform plugin
# qwindows.dll, the styles), and the compiler's runtime. The icons are SVG
# drawn by Qt Svg itself: no image format plugin is needed.
$bin = Join-Path $stage "bin"
Invoke-Step "windeployqt" {
    & "$env:QTDIR\bin\windeployqt.exe" --compiler-runtime --no-translations --no-system-d3d-compiler `
        --no-opengl-sw (Join-Path $bin "pstedit.exe")
}

# The programs find the catalogs in their own folder.
foreach ($file in "pstedit.exe", "pstool.exe", "ModDescr.ini", "Errors.ini", "SCRIPTS.INI") {
    if (-not (Test-Path (Join-Path $bin $file))) { throw "$file is missing from $bin" }
}
Invoke-Step "pstool runs" { & (Join-Path $bin "pstool.exe") --version }

$zip = Join-Path $Output "pstedit-windows-x64.zip"
Compress-Archive -Path (Join-Path $stage "*") -DestinationPath $zip -Force
Write-Host "== $zip"

@echo off
rem Runs inside the demo prefix. Other programs own ".zip", ".cab" and ".iso",
rem as on a used machine; Zelkova is copied to C:\Program Files\Zelkova from
rem the staging folder %1; with "silent" as %2, setup runs there without a
rem window.
set reg=C:\windows\system32\reg.exe
%reg% add HKCR\.zip /ve /d CompressedFolder /f >nul
%reg% add HKCR\.zip /v "Content Type" /d application/x-zip-compressed /f >nul
%reg% add HKCR\.zip\ShellNew /v NullFile /d "" /f >nul
%reg% add HKCR\.cab /ve /d CABFolder /f >nul
%reg% add HKCR\.iso /ve /d DiscImageFile /f >nul
%reg% add HKCR\.iso /v "Content Type" /d application/x-iso9660-image /f >nul

mkdir "C:\Program Files\Zelkova"
copy /y "%~1\*.*" "C:\Program Files\Zelkova\" >nul
if not "%2"=="silent" goto :eof

cd /d "C:\Program Files\Zelkova"
uninstall.exe /setup /s

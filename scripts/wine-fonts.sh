# Sourced by the run and screenshot scripts once WINEPREFIX is booted: the
# fonts a Windows user would see. Wine's own fonts (Marlett draws the caption
# buttons) go where Windows keeps its fonts, and the dialog fonts link to a
# CJK font, so that Chinese and Japanese names draw as letters.
fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts_dir"
cp -n /usr/share/wine/fonts/*.ttf "$fonts_dir/" 2>/dev/null || true
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 </dev/null
done

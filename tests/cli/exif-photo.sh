# shellcheck shell=bash
# Sourced by the black-box tests, which need photos with a known date taken.
# The test machine may have no image tools, so the photo is written byte by
# byte with bash's own printf.

# exif_photo FILE "YYYY:MM:DD HH:MM:SS"
# Writes FILE: an 8x8 mid-grey baseline JPEG whose Exif segment holds the
# moment as DateTimeOriginal. Any digits are taken, so that a test can also
# write a blank or impossible date such as "0000:00:00 00:00:00".
exif_photo() {
    local file=${1-} moment=${2-}
    if [[ $# -ne 2 || ! $moment =~ ^[0-9]{4}:[0-9]{2}:[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]]; then
        echo "usage: exif_photo FILE \"YYYY:MM:DD HH:MM:SS\"" >&2
        return 2
    fi

    local date="" byte index
    for ((index = 0; index < ${#moment}; index++)); do
        printf -v byte '%02X' "'${moment:index:1}"
        date+=" $byte"
    done

    # The Exif data is a big-endian TIFF structure: the first directory holds
    # only the pointer to the Exif directory (at 26), whose one entry is the
    # 20-byte date (at 44).
    local exif="FF E1 00 48 45 78 69 66 00 00
        4D 4D 00 2A 00 00 00 08
        00 01 87 69 00 04 00 00 00 01 00 00 00 1A 00 00 00 00
        00 01 90 03 00 02 00 00 00 14 00 00 00 2C 00 00 00 00
        $date 00"

    # Every quantiser 1, and Huffman tables of one code each: "0" for a DC
    # difference of zero and "0" for end of block. The single block is then
    # the bits 00, padded with ones: every pixel is the level shift, 128.
    local quantisers="FF DB 00 43 00" tables="" count
    for ((count = 0; count < 64; count++)); do
        quantisers+=" 01"
    done
    for byte in 00 10; do
        tables+=" FF C4 00 14 $byte 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
    done
    local frame="FF C0 00 0B 08 00 08 00 08 01 01 11 00"
    local scan="FF DA 00 08 01 01 00 00 3F 00 3F"

    local format=""
    for byte in FF D8 $exif $quantisers $frame $tables $scan FF D9; do
        format+="\\x$byte"
    done
    # shellcheck disable=SC2059 # the format is nothing but \x escapes
    printf "$format" >"$file"
}

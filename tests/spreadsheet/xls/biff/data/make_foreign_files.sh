#!/bin/sh
# Makes the files another program wrote that the reader's tests open: LibreOffice
# converts foreign_libreoffice.fods (formulas filled down a column, styles,
# widths, heights, a merge) and foreign_csv.csv (plain values) to .xls with its
# own export filter. Usage, in this folder: sh make_foreign_files.sh
set -e
profile="file:///tmp/biff-foreign-profile"
soffice -env:UserInstallation="$profile" --headless --convert-to xls foreign_libreoffice.fods
soffice -env:UserInstallation="$profile" --headless --convert-to xls foreign_csv.csv

# Sourced by e2e-windows.sh. "IPA Pゴシック" is a face Wine's font dialog lists
# only as IPAPGothic, as a Windows in another language lists only MS PGothic.
echo "7a. The font dialog, opened on a face listed under another name and confirmed: height and weight kept"
python3 -c 'import sys; f = open(sys.argv[1], "r+b"); f.seek(48); f.write("IPA Pゴシック".encode("cp932").ljust(32, b"\0"))' "$dat"
font() { od -An -t d4 -w20 -j 20 -N 20 "$dat" | awk '{ print "lfHeight " $1 ", lfWeight " $5 }'; }
before=$(font)
run
window "$BACK" font-before
menu Up Up Up Right Down Down Return sleep 2
shot font-dialog
xdotool key Return sleep 1
window "$BACK" font-after
menu Up Return
ended
[ "$(font)" = "$before" ] || fail "OK in the font dialog changed $before to $(font)"

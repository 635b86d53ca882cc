# SPDX-License-Identifier: MIT
# The batch's nine figures for a file of site,impressions,ctr,clicks,ecpm,owner rows, worked out
# and formatted as the window shows them: what a user would write instead of the program, and so
# what the program's batch is timed against (bench/cli_bench). Sites named with a comma are
# quoted; awk splits them, so a quoted name shifts its row by one field and is joined again.
BEGIN { FS = ","; OFS = "," }

function money(x,    hundredths, whole, text, sign) {
    sign = x < 0 ? "-" : ""
    # Halves away from zero, as the window rounds its four-decimal amounts to the cent.
    hundredths = int((x < 0 ? -x : x) * 100 + 0.5 + 1e-7)
    whole = int(hundredths / 100)
    text = ""
    while (whole >= 1000) {
        text = sprintf(",%03d", whole % 1000) text
        whole = int(whole / 1000)
    }
    text = (whole > 0 ? whole : "") text
    if (hundredths == 0) return sign "$0.00"
    return sign "$" text "." sprintf("%02d", hundredths % 100)
}

function fixed(x) { return sprintf("%.4f", x) + 0 }

function quoted(text) { return index(text, ",") ? "\"" text "\"" : text }

NR == 1 { print $0, "actual_impressions,actual_clicks,actual_ctr,actual_ecpm,daily,weekly,monthly,yearly,epc"; next }
{
    first = 1
    if (substr($1, 1, 1) == "\"") { $1 = $1 "," $2; for (i = 2; i < NF; i++) $i = $(i + 1); NF-- }
    impressions = $2 == "" ? 100 : $2 + 0
    if ($3 != "") { ctr = $3 / 100; clicks = impressions * ctr }
    else if ($4 != "") { clicks = sprintf("%.1f", $4) + 0; ctr = impressions ? clicks / impressions : 0 }
    else { ctr = 0; clicks = 0 }
    ecpm = fixed($5 + 0)
    shownClicks = sprintf("%.1f", clicks); if (shownClicks ~ /^0?\.0$/) shownClicks = "0"
    shownCtr = sprintf("%.2f%%", ctr * 100); if (shownCtr == "0.00%") shownCtr = "0.0%"
    if (clicks == 0) { d = w = m = y = e = "$0.00" }
    else {
        perDay = ecpm * (impressions / 1000)
        daily = fixed(perDay)
        d = money(daily); w = money(fixed(perDay * 7)); m = money(fixed(perDay * 30.41))
        y = money(fixed(perDay * 365)); e = money(fixed(daily / clicks))
    }
    print $1, $2, $3, $4, $5, $6, impressions, shownClicks, shownCtr, money(ecpm), quoted(d), quoted(w), quoted(m), quoted(y), quoted(e)
}

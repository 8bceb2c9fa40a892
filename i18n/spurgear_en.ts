<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>spurgear</name>
    <message>
        <source>エラー = 0, 警告 = 0 !</source>
        <translation>Errors = 0, warnings = 0 !</translation>
    </message>
    <message>
        <source>warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり</source>
        <translation>warning: few teeth z1, undercut possible</translation>
    </message>
    <message>
        <source>warring：歯数Ｚ２が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり</source>
        <translation>warning: few teeth z2, undercut possible</translation>
    </message>
    <message>
        <source>error：歯数Ｚ1が多すぎる、計算不可</source>
        <translation>error: too many teeth z1, cannot calculate</translation>
    </message>
    <message>
        <source>error：歯数Ｚ1が少なすぎる、計算不可</source>
        <translation>error: too few teeth z1, cannot calculate</translation>
    </message>
    <message>
        <source>error：歯数Ｚ2が多すぎる、計算不可</source>
        <translation>error: too many teeth z2, cannot calculate</translation>
    </message>
    <message>
        <source>error：歯数Ｚ2が少なすぎる、計算不可</source>
        <translation>error: too few teeth z2, cannot calculate</translation>
    </message>
    <message>
        <source>error：%1の解が範囲内にありません、計算不可</source>
        <translation>error: no solution for the %1 within range, cannot calculate</translation>
    </message>
    <message>
        <source>error：%1の計算が収束しません、計算不可</source>
        <translation>error: the %1 does not converge, cannot calculate</translation>
    </message>
    <message>
        <source>歯先圧力角</source>
        <translation>pressure angle at the tip</translation>
    </message>
    <message>
        <source>噛合い圧力角</source>
        <translation>working pressure angle</translation>
    </message>
    <message>
        <source>0 による浮動小数点数除算</source>
        <translation>floating-point division by zero</translation>
    </message>
    <message>
        <source>不正な浮動小数点数演算命令</source>
        <translation>invalid floating-point operation</translation>
    </message>
    <message>
        <source>浮動小数点数のオーバーフロー</source>
        <translation>floating-point overflow</translation>
    </message>
    <message>
        <source>error：モジュールが不正、計算不可</source>
        <translation>error: invalid module, cannot calculate</translation>
    </message>
    <message>
        <source>error：修正後の中心距離が０以下、計算不可</source>
        <translation>error: modified centre distance is zero or less, cannot calculate</translation>
    </message>
    <message>
        <source>注意：噛合率が１未満（%1）、かみ合いが途切れる</source>
        <translation>note: contact ratio below 1 (%1), the mesh is interrupted</translation>
    </message>
    <message>
        <source>注意：距離修正後の噛合率が１未満（%1）、かみ合いが途切れる</source>
        <translation>note: contact ratio after the centre distance modification below 1 (%1), the mesh is interrupted</translation>
    </message>
    <message>
        <source>注意：%1の歯先がとがる（歯先歯厚 %2）</source>
        <translation>note: %1 has a pointed tip (tip thickness %2)</translation>
    </message>
    <message>
        <source>注意：%1の転位係数 %2 が限界 %3 より小さい、ｱﾝﾀﾞｰｶｯﾄ発生</source>
        <translation>note: profile shift coefficient %2 of %1 is below the limit %3, undercut</translation>
    </message>
    <message>
        <source>注意：%1の歯先が%2の歯元に干渉する</source>
        <translation>note: the tip of %1 interferes with the root of %2</translation>
    </message>
    <message>
        <source>注意：距離修正が負、歯面が干渉する（法線ﾊﾞｯｸﾗｯｼ %1）</source>
        <translation>note: negative centre distance modification, the flanks interfere (normal backlash %1)</translation>
    </message>
    <message>
        <source>ギア１</source>
        <translation>Gear 1</translation>
    </message>
    <message>
        <source>ギア２</source>
        <translation>Gear 2</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません.</source>
        <translation>Cannot create file %1.</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません.</source>
        <translation>Cannot open file %1.</translation>
    </message>
    <message>
        <source>%1 理由: %2</source>
        <translation>%1 Reason: %2</translation>
    </message>
    <message>
        <source>ファイル %1 は歯車データとして読めません（スロット %2 に数値でない値があります）</source>
        <translation>File %1 cannot be read as gear data (slot %2 holds a value that is not a number)</translation>
    </message>
    <message>
        <source>ファイル %1 は歯車データとして読めません（スロット %2 に数値でない値があります）.</source>
        <translation>File %1 cannot be read as gear data (slot %2 holds a value that is not a number).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は浮動小数点数ではありません</source>
        <translation>&apos;%1&apos; is not a floating-point number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not an integer</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; は数ではありません</source>
        <translation>%1 &apos;%2&apos; is not a number</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; は整数ではありません</source>
        <translation>%1 &apos;%2&apos; is not an integer</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; は %3 のいずれかです</source>
        <translation>%1 &apos;%2&apos; must be one of %3</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; は through-hardened, case-hardened, nitrided のいずれかです</source>
        <translation>%1 &apos;%2&apos; must be one of through-hardened, case-hardened, nitrided</translation>
    </message>
    <message>
        <source>精度等級</source>
        <translation>Accuracy grade</translation>
    </message>
    <message>
        <source>精度等級は %1 から %2 の範囲で指定してください</source>
        <translation>Give the accuracy grade from %1 to %2</translation>
    </message>
    <message>
        <source>歯幅</source>
        <translation>Face width</translation>
    </message>
    <message>
        <source>歯幅は 0 より大きい数で指定してください</source>
        <translation>Give the face width as a number greater than 0</translation>
    </message>
    <message>
        <source>歯幅は %1 mm 以下で指定してください</source>
        <translation>Give the face width as %1 mm or less</translation>
    </message>
    <message>
        <source>%1は %2 文字以内で入力してください</source>
        <translation>Enter %1 in %2 characters or fewer</translation>
    </message>
    <message>
        <source>歯数 %1 の歯形は作成できません（歯数は 1～%2）</source>
        <translation>Cannot make the tooth profile for %1 teeth (number of teeth 1 to %2)</translation>
    </message>
    <message>
        <source>出力を書き込めません: %1</source>
        <translation>Cannot write the output: %1</translation>
    </message>
    <message>
        <source>入力を読み込めません: %1</source>
        <translation>Cannot read the input: %1</translation>
    </message>
    <message>
        <source>出力ファイル %1 の拡張子は .pdf か .svg にしてください.</source>
        <translation>Give the output file %1 the extension .pdf or .svg.</translation>
    </message>
    <message>
        <source>点の数 &apos;%1&apos; は 0 以上の整数ではありません</source>
        <translation>Number of points &apos;%1&apos; is not an integer of 0 or more</translation>
    </message>
    <message>
        <source>計算結果がありません</source>
        <translation>No calculation result</translation>
    </message>
    <message>
        <source>ギア１の歯厚許容差</source>
        <translation>tooth thickness deviations of gear 1</translation>
    </message>
    <message>
        <source>ギア２の歯厚許容差</source>
        <translation>tooth thickness deviations of gear 2</translation>
    </message>
    <message>
        <source>計算結果が現在の入力のものではないため、DXF を出力できません（先に計算してください）</source>
        <translation>The results do not belong to the current input, so no DXF can be written (calculate first)</translation>
    </message>
    <message>
        <source>計算結果が現在の入力のものではないため、%1を出力できません（先に計算してください）</source>
        <translation>The results do not belong to the current input, so the %1 cannot be written (calculate first)</translation>
    </message>
    <message>
        <source>部品図</source>
        <translation>part drawing</translation>
    </message>
    <message>
        <source>歯形テンプレート</source>
        <translation>tooth template</translation>
    </message>
    <message>
        <source>デフォルト プリンタが存在しません.</source>
        <translation>There is no default printer.</translation>
    </message>
    <message>
        <source>PDF として保存しますか？</source>
        <translation>Save as PDF instead?</translation>
    </message>
    <message>
        <source>またぎ歯数</source>
        <translation>Number of teeth spanned</translation>
    </message>
    <message>
        <source>ピン径</source>
        <translation>Pin diameter</translation>
    </message>
    <message>
        <source>目標中心距離</source>
        <translation>Target centre distance</translation>
    </message>
    <message>
        <source>転位係数 x₁</source>
        <translation>Profile shift coefficient x₁</translation>
    </message>
    <message>
        <source>モジュールか歯数が計算したときと違います。先に計算してください</source>
        <translation>The module or numbers of teeth differ from the last calculation. Calculate first</translation>
    </message>
    <message>
        <source>転位係数が計算したときと違います。先に計算してください</source>
        <translation>The profile shift coefficients differ from the last calculation. Calculate first</translation>
    </message>
    <message>
        <source>%1は%2、DXF を出力できません</source>
        <translation>No DXF for %1 %2</translation>
    </message>
    <message>
        <source>%1は%2、%3を出力できません</source>
        <translation>No %3 for %1 %2</translation>
    </message>
    <message>
        <source>歯数が %1 のため（歯数は 1～%2）</source>
        <translation>as it has %1 teeth (number of teeth 1 to %2)</translation>
    </message>
    <message>
        <source>寸法に数値でない値があるため</source>
        <translation>as a dimension is not a number</translation>
    </message>
    <message>
        <source>モジュール、歯底円、歯先円の大きさが正しくないため</source>
        <translation>as the module, root diameter or tip diameter is not valid</translation>
    </message>
    <message>
        <source>歯形を計算できないため</source>
        <translation>as the tooth profile cannot be calculated</translation>
    </message>
    <message>
        <source>歯形に数値でない値があるため</source>
        <translation>as the tooth profile holds values that are not numbers</translation>
    </message>
    <message>
        <source>歯先がとがっているため（歯先歯厚が 0 以下）</source>
        <translation>as the tip is pointed (tip thickness 0 or less)</translation>
    </message>
    <message>
        <source>歯元で隣の歯と重なるため</source>
        <translation>as the root overlaps the next tooth</translation>
    </message>
    <message>
        <source>歯形を計算できないため（歯元が切り下げで切り取られるか、歯先が低すぎる）</source>
        <translation>as the tooth profile cannot be calculated (the root is cut away by undercut, or the tip is too low)</translation>
    </message>
    <message>
        <source>歯幅が正の数でないため</source>
        <translation>as the face width is not a positive number</translation>
    </message>
    <message>
        <source>穴径が正しくないため</source>
        <translation>as the bore diameter is not valid</translation>
    </message>
    <message>
        <source>穴径が歯底円直径以上のため</source>
        <translation>as the bore diameter is not less than the root diameter</translation>
    </message>
    <message>
        <source>歯形から面を作れないため</source>
        <translation>as no face can be made from the tooth profile</translation>
    </message>
    <message>
        <source>立体が正しく作れないため</source>
        <translation>as the solid does not come out valid</translation>
    </message>
    <message>
        <source>立体を作れないため</source>
        <translation>as no solid can be made</translation>
    </message>
    <message>
        <source>STEP に書けないため</source>
        <translation>as STEP cannot be written</translation>
    </message>
    <message>
        <source>中心距離が正しくないため、%1を出力できません</source>
        <translation>The centre distance is not valid, so the %1 cannot be written</translation>
    </message>
    <message>
        <source>STEP に書けないため、%1を出力できません</source>
        <translation>STEP cannot be written, so the %1 cannot be written</translation>
    </message>
    <message>
        <source>かみ合いの 3D の立体</source>
        <translation>3D solid of the pair in mesh</translation>
    </message>
    <message>
        <source>3D の立体</source>
        <translation>3D solid</translation>
    </message>
    <message>
        <source>歯数Ｚ１（%1）が歯形係数表の範囲 12～300 の外です、計算不可</source>
        <translation>number of teeth z1 (%1) is outside the form factor table (12 to 300), cannot calculate</translation>
    </message>
    <message>
        <source>衝撃が選択されていません、計算不可</source>
        <translation>no shock chosen, cannot calculate</translation>
    </message>
    <message>
        <source>材料が選択されていません、一覧から選んでください</source>
        <translation>no material chosen, choose one from the list</translation>
    </message>
    <message>
        <source>バックラッシ画面作成中</source>
        <translation>Drawing the backlash view</translation>
    </message>
    <message>
        <source>warring：歯の隙間なし</source>
        <translation>warning: no clearance between the teeth</translation>
    </message>
    <message>
        <source>error：回転 0 で歯面がすでに重なっている、接触計算不可</source>
        <translation>error: the flanks already overlap at rotation 0, contact calculation impossible</translation>
    </message>
    <message>
        <source>error：ギア２を %1 ラジアン回しても歯面が接触しない、接触計算不可</source>
        <translation>error: the flanks do not touch within %1 rad of gear 2&apos;s rotation, contact calculation impossible</translation>
    </message>
    <message>
        <source>画像作成中</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>プリンタで印刷を開始できません</source>
        <translation>Printing cannot start on the printer</translation>
    </message>
    <message>
        <source>計算書を作成できません（%1）</source>
        <translation>Cannot make the calculation sheet (%1)</translation>
    </message>
    <message>
        <source>歯車諸元計算</source>
        <translation>Spur Gear Calculator</translation>
    </message>
    <message>
        <source>平歯車の諸元計算</source>
        <translation>Spur gear dimensions</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>歯数</source>
        <translation>No. of teeth</translation>
    </message>
    <message>
        <source>転位係数</source>
        <translation>Shift coef.</translation>
    </message>
    <message>
        <source>噛合い円</source>
        <translation>Working dia.</translation>
    </message>
    <message>
        <source>歯先円</source>
        <translation>Tip dia.</translation>
    </message>
    <message>
        <source>歯底円</source>
        <translation>Root dia.</translation>
    </message>
    <message>
        <source>基礎円</source>
        <translation>Base dia.</translation>
    </message>
    <message>
        <source>中心距離</source>
        <translation>Centre distance</translation>
    </message>
    <message>
        <source>距離修正</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>噛合率</source>
        <translation>Contact ratio</translation>
    </message>
    <message>
        <source>歯先歯厚</source>
        <translation>Tip thickness</translation>
    </message>
    <message>
        <source>法線ﾊﾞｯｸﾗｯｼ</source>
        <translation>Normal backlash</translation>
    </message>
    <message>
        <source>(公式近似値）</source>
        <translation>(approximation formula)</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>View</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>拡大１</source>
        <translation>Zoom 1</translation>
    </message>
    <message>
        <source>拡大２</source>
        <translation>Zoom 2</translation>
    </message>
    <message>
        <source>動画</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>動画ステップ</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>動画速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>　　１．ギアかみ合い画面　　</source>
        <translation>  1. Gear mesh  </translation>
    </message>
    <message>
        <source>　２．バックラッシ検討画面　</source>
        <translation> 2. Backlash study </translation>
    </message>
    <message>
        <source>３．ギア強度の簡易計算</source>
        <translation>3. Simple strength calculation</translation>
    </message>
    <message>
        <source>ＦＩＬＥ　　　　</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>読み取り</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>書き込み</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>計算書 (PDF)…</source>
        <translation>Calculation sheet (PDF)…</translation>
    </message>
    <message>
        <source>ＥＮＤ</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ＥＤＩＴ　　　</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>表コピー</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show history</translation>
    </message>
    <message>
        <source>DXF　　　</source>
        <translation>DXF</translation>
    </message>
    <message>
        <source>ギア１出力</source>
        <translation>Gear 1 outline…</translation>
    </message>
    <message>
        <source>ギア２出力</source>
        <translation>Gear 2 outline…</translation>
    </message>
    <message>
        <source>かみ合い図 (SVG)…</source>
        <translation>Pair in mesh (SVG)…</translation>
    </message>
    <message>
        <source>ギア１部品図 (DXF)…</source>
        <translation>Gear 1 part drawing (DXF)…</translation>
    </message>
    <message>
        <source>ギア２部品図 (DXF)…</source>
        <translation>Gear 2 part drawing (DXF)…</translation>
    </message>
    <message>
        <source>ギア１ 3D (STEP)…</source>
        <translation>Gear 1 3D (STEP)…</translation>
    </message>
    <message>
        <source>ギア２ 3D (STEP)…</source>
        <translation>Gear 2 3D (STEP)…</translation>
    </message>
    <message>
        <source>かみ合い 3D (STEP)…</source>
        <translation>Pair in mesh 3D (STEP)…</translation>
    </message>
    <message>
        <source>ＴＯＯＬ</source>
        <translation>TOOL</translation>
    </message>
    <message>
        <source>歯厚・測定寸法</source>
        <translation>Tooth thickness and measurement</translation>
    </message>
    <message>
        <source>公差・バックラッシ</source>
        <translation>Tolerances and backlash</translation>
    </message>
    <message>
        <source>すべり率</source>
        <translation>Specific sliding</translation>
    </message>
    <message>
        <source>強度計算 (ISO 6336)</source>
        <translation>Load capacity (ISO 6336)</translation>
    </message>
    <message>
        <source>寸法決め</source>
        <translation>Sizing</translation>
    </message>
    <message>
        <source>ＨＥＬＰ</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>歯形テンプレート (SVG)…</source>
        <translation>Tooth template (SVG)…</translation>
    </message>
    <message>
        <source>ギア１…</source>
        <translation>Gear 1…</translation>
    </message>
    <message>
        <source>ギア２…</source>
        <translation>Gear 2…</translation>
    </message>
    <message>
        <source>Language / 言語</source>
        <translation>Language / 言語</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>計算履歴</source>
        <translation>Calculation history</translation>
    </message>
    <message>
        <source>接触計算</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>歯面隙間</source>
        <translation>Flank gap</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>ギア２回転</source>
        <translation>Turn gear 2</translation>
    </message>
    <message>
        <source>ラジアン</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>小</source>
        <translation>−</translation>
    </message>
    <message>
        <source>大</source>
        <translation>+</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>歯形表示</source>
        <translation>Tooth profile</translation>
    </message>
    <message>
        <source>標準平歯車の歯形係数 y</source>
        <translation>Form factor y of standard spur gears</translation>
    </message>
    <message>
        <source>歯数 z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>ラック 0.484</source>
        <translation>Rack 0.484</translation>
    </message>
    <message>
        <source>圧力角 20° 実用歯形係数</source>
        <translation>Pressure angle 20°, practical form factor</translation>
    </message>
    <message>
        <source>■ルイスの式によるギア１の許容伝達トルク■</source>
        <translation>■ Allowable torque of gear 1 by the Lewis formula ■</translation>
    </message>
    <message>
        <source>・歯幅　ｂ</source>
        <translation>• Face width b</translation>
    </message>
    <message>
        <source>・回転数　ｎ</source>
        <translation>• Speed n</translation>
    </message>
    <message>
        <source>・歯元丸み</source>
        <translation>• Root fillet</translation>
    </message>
    <message>
        <source>・衝撃</source>
        <translation>• Shock</translation>
    </message>
    <message>
        <source>・材料許容曲げ</source>
        <translation>• Allowable bending stress of the material</translation>
    </message>
    <message>
        <source>材料　　　　　　　許容応力</source>
        <translation>Material            Allowable stress</translation>
    </message>
    <message>
        <source>・歯形係数　Y</source>
        <translation>• Form factor Y</translation>
    </message>
    <message>
        <source>実用歯形係数採用</source>
        <translation>Practical form factor</translation>
    </message>
    <message>
        <source>・許容伝達トルク</source>
        <translation>• Allowable torque</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>With fillet</translation>
    </message>
    <message>
        <source>青銅　　　　 　σ＝５kg/mm^2</source>
        <translation>Bronze          σ=5kg/mm^2</translation>
    </message>
    <message>
        <source>りん青銅　　　σ＝５kg/mm^2</source>
        <translation>Phosphor bronze σ=5kg/mm^2</translation>
    </message>
    <message>
        <source>
範囲：</source>
        <translation>
Range: </translation>
    </message>
    <message>
        <source>歯厚と測定寸法</source>
        <translation>Tooth thickness and measurement</translation>
    </message>
    <message>
        <source>接触円直径</source>
        <translation>Contact circle diameter</translation>
    </message>
    <message>
        <source>中心距離から転位係数</source>
        <translation>Profile shift from centre distance</translation>
    </message>
    <message>
        <source>すべり率釣合い</source>
        <translation>Balanced specific sliding</translation>
    </message>
    <message>
        <source>両歯元のすべり率が等しくなる x₁</source>
        <translation>x₁ that makes the specific sliding at both roots equal</translation>
    </message>
    <message>
        <source>目標中心距離を与える x₁ + x₂ の値（丸める前）</source>
        <translation>x₁ + x₂ giving the target centre distance (before rounding)</translation>
    </message>
    <message>
        <source>転位係数 x₂</source>
        <translation>Profile shift coefficient x₂</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>x₁ + x₂（丸める前）</source>
        <translation>x₁ + x₂ (before rounding)</translation>
    </message>
    <message>
        <source>圧力角 %1°</source>
        <translation>Pressure angle %1°</translation>
    </message>
    <message>
        <source>計算が完了していないため表示できません</source>
        <translation>Not shown: the calculation has not completed</translation>
    </message>
    <message>
        <source>※ 接触円直径が基礎円と歯先円の間にない（%1）</source>
        <translation>※ The contact circle is not between the base and tip circles (%1)</translation>
    </message>
    <message>
        <source>※ ピンが歯先円から出ないか歯面の外で接する（%1）</source>
        <translation>※ The pin does not stand out of the tip circle, or touches outside the flank (%1)</translation>
    </message>
    <message>
        <source>距離修正 %1 mm を含めた中心距離</source>
        <translation>Centre distance including the modification of %1 mm</translation>
    </message>
    <message>
        <source>計算が完了していないため求められません</source>
        <translation>Cannot be found: the calculation has not completed</translation>
    </message>
    <message>
        <source>平ギアのデーター (*.hgd)</source>
        <translation>Spur gear data (*.hgd)</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>SVG ファイル (*.svg)</source>
        <translation>SVG files (*.svg)</translation>
    </message>
    <message>
        <source>DXF ファイル (*.dxf)</source>
        <translation>DXF files (*.dxf)</translation>
    </message>
    <message>
        <source>STEP ファイル (*.step *.stp)</source>
        <translation>STEP files (*.step *.stp)</translation>
    </message>
    <message>
        <source>フォルダー</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 ファイル</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>0 より大きく %1 %2 以下</source>
        <translation>greater than 0, at most %1 %2</translation>
    </message>
    <message>
        <source>0 より大きい数</source>
        <translation>a number greater than 0</translation>
    </message>
    <message>
        <source>1 以上 %1 未満</source>
        <translation>at least 1, below %1</translation>
    </message>
    <message>
        <source>荷重と寿命</source>
        <translation>Load and life</translation>
    </message>
    <message>
        <source>トルク T₁ (ギア１)</source>
        <translation>Torque T₁ (gear 1)</translation>
    </message>
    <message>
        <source>回転速度 n₁ (ギア１)</source>
        <translation>Speed n₁ (gear 1)</translation>
    </message>
    <message>
        <source>荷重分布係数 K_Hβ</source>
        <translation>Face load factor K_Hβ</translation>
    </message>
    <message>
        <source>歯車</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>（空欄: モジュールの 10 倍）</source>
        <translation>(empty: 10 × module)</translation>
    </message>
    <message>
        <source>表面硬さ</source>
        <translation>Surface hardness</translation>
    </message>
    <message>
        <source>材料と品質等級の品質線が定める範囲</source>
        <translation>the range the quality line of the material and grade sets</translation>
    </message>
    <message>
        <source>σ_Hlim (空欄: 品質線)</source>
        <translation>σ_Hlim (empty: quality line)</translation>
    </message>
    <message>
        <source>歯面疲労限度 σ_Hlim</source>
        <translation>Pitting endurance limit σ_Hlim</translation>
    </message>
    <message>
        <source>（空欄: 品質線の値）</source>
        <translation>(empty: the quality line&apos;s value)</translation>
    </message>
    <message>
        <source>σ_Flim (空欄: 品質線)</source>
        <translation>σ_Flim (empty: quality line)</translation>
    </message>
    <message>
        <source>歯元疲労限度 σ_Flim</source>
        <translation>Bending endurance limit σ_Flim</translation>
    </message>
    <message>
        <source>0 以上 %1 µm 未満</source>
        <translation>at least 0, below %1 µm</translation>
    </message>
    <message>
        <source>材料 (ISO 6336-5)</source>
        <translation>Material (ISO 6336-5)</translation>
    </message>
    <message>
        <source>材料（ギア１）</source>
        <translation>Material (gear 1)</translation>
    </message>
    <message>
        <source>材料（ギア２）</source>
        <translation>Material (gear 2)</translation>
    </message>
    <message>
        <source>品質等級 (ISO 6336-5)</source>
        <translation>Material quality (ISO 6336-5)</translation>
    </message>
    <message>
        <source>品質等級</source>
        <translation>Material quality</translation>
    </message>
    <message>
        <source>精度等級 (ISO 1328-1)</source>
        <translation>Accuracy grade (ISO 1328-1)</translation>
    </message>
    <message>
        <source>精度等級 (ISO 1328-1:2013)</source>
        <translation>Tolerance class (ISO 1328-1:2013)</translation>
    </message>
    <message>
        <source>精度等級 (ISO 1328-1:1995)</source>
        <translation>Accuracy grade (ISO 1328-1:1995)</translation>
    </message>
    <message>
        <source>%1〜%2 の整数</source>
        <translation>an integer from %1 to %2</translation>
    </message>
    <message>
        <source>潤滑・安全率・基準ラック</source>
        <translation>Lubrication, safety factors, basic rack</translation>
    </message>
    <message>
        <source>潤滑油動粘度 ν₄₀</source>
        <translation>Lubricant viscosity ν₄₀</translation>
    </message>
    <message>
        <source>最小安全率 S_Hmin</source>
        <translation>Minimum safety factor S_Hmin</translation>
    </message>
    <message>
        <source>最小安全率 S_Fmin</source>
        <translation>Minimum safety factor S_Fmin</translation>
    </message>
    <message>
        <source>歯元たけ h_fP</source>
        <translation>Dedendum h_fP</translation>
    </message>
    <message>
        <source>（モジュールに対する比）</source>
        <translation>(ratio to the module)</translation>
    </message>
    <message>
        <source>歯元丸み ρ_fP</source>
        <translation>Root radius ρ_fP</translation>
    </message>
    <message>
        <source>0 以上、歯元たけ h_fP 未満</source>
        <translation>at least 0, below the dedendum h_fP</translation>
    </message>
    <message>
        <source>　平歯車 β = 0</source>
        <translation> spur gear β = 0</translation>
    </message>
    <message>
        <source>　平歯車 β = 0　</source>
        <translation> spur gear β = 0 </translation>
    </message>
    <message>
        <source>記号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>トルク T₁</source>
        <translation>Torque T₁</translation>
    </message>
    <message>
        <source>回転速度 n₁</source>
        <translation>Speed n₁</translation>
    </message>
    <message>
        <source>%1歯面: ギア１ %2・ギア２ %3　歯元: ギア１ %4・ギア２ %5</source>
        <translation>%1Pitting: gear 1 %2, gear 2 %3   Bending: gear 1 %4, gear 2 %5</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>【この歯車対には無効】</source>
        <translation>[not valid for this pair] </translation>
    </message>
    <message>
        <source>歯数比</source>
        <translation>Gear ratio</translation>
    </message>
    <message>
        <source>体積 cm³</source>
        <translation>Volume cm³</translation>
    </message>
    <message>
        <source>最小安全率</source>
        <translation>Min. safety factor</translation>
    </message>
    <message>
        <source>歯先歯厚１</source>
        <translation>Tip thickness 1</translation>
    </message>
    <message>
        <source>歯先歯厚２</source>
        <translation>Tip thickness 2</translation>
    </message>
    <message>
        <source>歯数比 z₂/z₁</source>
        <translation>Gear ratio z₂/z₁</translation>
    </message>
    <message>
        <source>歯数比の許容差 ±%</source>
        <translation>Ratio tolerance ±%</translation>
    </message>
    <message>
        <source>歯数を互いに素に</source>
        <translation>Coprime numbers of teeth</translation>
    </message>
    <message>
        <source>中心距離 mm</source>
        <translation>Centre distance mm</translation>
    </message>
    <message>
        <source>中心距離の扱い</source>
        <translation>Centre distance is</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>上限での転位</source>
        <translation>Shift at the limit</translation>
    </message>
    <message>
        <source>すべり率を釣り合わせる</source>
        <translation>Balanced sliding</translation>
    </message>
    <message>
        <source>転位なし</source>
        <translation>No shift</translation>
    </message>
    <message>
        <source>トルク T₁ N·m</source>
        <translation>Torque T₁ N·m</translation>
    </message>
    <message>
        <source>回転速度 n₁ min⁻¹</source>
        <translation>Speed n₁ min⁻¹</translation>
    </message>
    <message>
        <source>寿命 h</source>
        <translation>Life h</translation>
    </message>
    <message>
        <source>材料（両ギア）</source>
        <translation>Material (both gears)</translation>
    </message>
    <message>
        <source>硬さ HV</source>
        <translation>Hardness HV</translation>
    </message>
    <message>
        <source>歯幅の与え方</source>
        <translation>Face width given as</translation>
    </message>
    <message>
        <source>歯幅の値</source>
        <translation>Face width value</translation>
    </message>
    <message>
        <source>第１系列 0.5〜10</source>
        <translation>Series I 0.5 to 10</translation>
    </message>
    <message>
        <source>最小 S_H</source>
        <translation>Min. S_H</translation>
    </message>
    <message>
        <source>最小 S_F</source>
        <translation>Min. S_F</translation>
    </message>
    <message>
        <source>最小噛合率</source>
        <translation>Min. contact ratio</translation>
    </message>
    <message>
        <source>歯数Ｚ１ 下限</source>
        <translation>Teeth z1 min.</translation>
    </message>
    <message>
        <source>歯数Ｚ１ 上限</source>
        <translation>Teeth z1 max.</translation>
    </message>
    <message>
        <source>最小歯先歯厚 ×m</source>
        <translation>Min. tip thickness ×m</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>歯数比の許容差</source>
        <translation>Ratio tolerance</translation>
    </message>
    <message>
        <source>最小歯先歯厚</source>
        <translation>Min. tip thickness</translation>
    </message>
    <message>
        <source>検索中…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>候補 %1 件（%2 組を検査）　除外: %3</source>
        <translation>%1 candidates (%2 pairs checked)   excluded: %3</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>　（上位 %1 件を表示）</source>
        <translation> (the first %1 shown)</translation>
    </message>
    <message>
        <source>候補を選んでください</source>
        <translation>Choose a candidate</translation>
    </message>
    <message>
        <source>一歯かみ合い</source>
        <translation>Single tooth contact</translation>
    </message>
    <message>
        <source>二歯</source>
        <translation>Two teeth</translation>
    </message>
    <message>
        <source>すべり率 ζ</source>
        <translation>Specific sliding ζ</translation>
    </message>
    <message>
        <source>かみ合い線上の位置（A かみ合い始め → E かみ合い終わり、長さ %1 mm）</source>
        <translation>Path of contact (A start → E end, length %1 mm)</translation>
    </message>
    <message>
        <source>ギア１の歯元 → 歯先　／　ギア２の歯先 → 歯元</source>
        <translation>Gear 1 root → tip  /  gear 2 tip → root</translation>
    </message>
    <message>
        <source>ζ₁（ギア１）</source>
        <translation>ζ₁ (gear 1)</translation>
    </message>
    <message>
        <source>ζ₂（ギア２）</source>
        <translation>ζ₂ (gear 2)</translation>
    </message>
    <message>
        <source>歯元</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>歯先</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>ギア１ ζ₁</source>
        <translation>Gear 1 ζ₁</translation>
    </message>
    <message>
        <source>ギア２ ζ₂</source>
        <translation>Gear 2 ζ₂</translation>
    </message>
    <message>
        <source>かみ合い率 ε_α</source>
        <translation>Transverse contact ratio ε_α</translation>
    </message>
    <message>
        <source>かみ合い率 ε_α（a + c）</source>
        <translation>Transverse contact ratio ε_α (a + c)</translation>
    </message>
    <message>
        <source>注意：かみ合いが基礎円の内側から始まる（干渉）：%1</source>
        <translation>note: the mesh starts inside the base circle (interference): %1</translation>
    </message>
    <message>
        <source>上の許容差 E_sns ≥ 下の許容差 E_sni で、基準円上の歯厚が 0 より大きく円ピッチ未満となる値</source>
        <translation>upper deviation E_sns ≥ lower deviation E_sni, leaving the tooth thickness on the reference circle above 0 and below the circular pitch</translation>
    </message>
    <message>
        <source>%1 文字まで</source>
        <translation>up to %1 characters</translation>
    </message>
    <message>
        <source>0 より大きく %1 mm 以下</source>
        <translation>greater than 0, at most %1 mm</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>中心距離の上の許容差</source>
        <translation>Upper centre distance deviation</translation>
    </message>
    <message>
        <source>上の許容差 ≥ 下の許容差</source>
        <translation>upper deviation ≥ lower deviation</translation>
    </message>
    <message>
        <source>中心距離の下の許容差</source>
        <translation>Lower centre distance deviation</translation>
    </message>
    <message>
        <source>歯厚の許容差での測定寸法</source>
        <translation>Measurements at the tooth thickness deviations</translation>
    </message>
    <message>
        <source>バックラッシの範囲</source>
        <translation>Backlash range</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>法線方向バックラッシ j_n</source>
        <translation>Normal backlash j_n</translation>
    </message>
    <message>
        <source>法線方向バックラッシ j_n（最小）</source>
        <translation>Normal backlash j_n (min.)</translation>
    </message>
    <message>
        <source>法線方向バックラッシ j_n（最大）</source>
        <translation>Normal backlash j_n (max.)</translation>
    </message>
    <message>
        <source>円周方向バックラッシ j_t</source>
        <translation>Circumferential backlash j_t</translation>
    </message>
    <message>
        <source>円周方向バックラッシ j_t（最小）</source>
        <translation>Circumferential backlash j_t (min.)</translation>
    </message>
    <message>
        <source>円周方向バックラッシ j_t（最大）</source>
        <translation>Circumferential backlash j_t (max.)</translation>
    </message>
    <message>
        <source>もう一方の許容差を入力してください</source>
        <translation>Enter the other deviation as well</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>熱処理</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>仕上げ</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>硬さ</source>
        <translation>Hardness</translation>
    </message>
    <message>
        <source>トルク</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>回転速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>寿命</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>使用係数 K_A</source>
        <translation>Application factor K_A</translation>
    </message>
    <message>
        <source>潤滑油動粘度 ν40</source>
        <translation>Lubricant viscosity ν40</translation>
    </message>
    <message>
        <source>基準ラック歯元たけ</source>
        <translation>Basic rack dedendum</translation>
    </message>
    <message>
        <source>基準ラック歯元丸み</source>
        <translation>Basic rack root radius</translation>
    </message>
    <message>
        <source>表面粗さ Ra</source>
        <translation>Surface roughness Ra</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>%1
範囲：%2</source>
        <translation>%1
Range: %2</translation>
    </message>
    <message>
        <source>ギア１の歯元</source>
        <translation>root of gear 1</translation>
    </message>
    <message>
        <source>ギア２の歯元</source>
        <translation>root of gear 2</translation>
    </message>
    <message>
        <source>ギア１・ギア２の歯元</source>
        <translation>roots of gear 1 and gear 2</translation>
    </message>
    <message>
        <source>・ギア２</source>
        <translation> and gear 2</translation>
    </message>
    <message>
        <source>ｍｍ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ｒ・ｐ・ｍ</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>ｋｇｆ・ｍｍ</source>
        <translation>kgf·mm</translation>
    </message>
    <message>
        <source>なし：２</source>
        <translation>None: 2</translation>
    </message>
    <message>
        <source>あり：１</source>
        <translation>With: 1</translation>
    </message>
    <message>
        <source>小：発電機</source>
        <translation>Light: generator</translation>
    </message>
    <message>
        <source>中：攪拌機</source>
        <translation>Medium: agitator</translation>
    </message>
    <message>
        <source>大：鍛造機</source>
        <translation>Heavy: forging</translation>
    </message>
    <message>
        <source>ＦＣ１５　　　　σ＝７kg/mm^2</source>
        <translation>FC15      σ=7kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ２０　　　　σ＝９kg/mm^2</source>
        <translation>FC20      σ=9kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ２５　　　　σ＝１１kg/mm^2</source>
        <translation>FC25      σ=11kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ３０　　　　σ＝１３kg/mm^2</source>
        <translation>FC30      σ=13kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４２　　　　σ＝１２kg/mm^2</source>
        <translation>SC42      σ=12kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４６　　　　σ＝１９kg/mm^2</source>
        <translation>SC46      σ=19kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４９　　　　σ＝２０kg/mm^2</source>
        <translation>SC49      σ=20kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ２５Ｃ　　　　σ＝２１kg/mm^2</source>
        <translation>S25C      σ=21kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ３５Ｃ　　　　σ＝２６kg/mm^2</source>
        <translation>S35C      σ=26kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ４５Ｃ　　　　σ＝３０kg/mm^2</source>
        <translation>S45C      σ=30kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ１５ＣＫ　　　σ＝３０kg/mm^2</source>
        <translation>S15CK     σ=30kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２１　　　σ＝３５kg/mm^2</source>
        <translation>SNC21     σ=35kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２２　　　σ＝４０kg/mm^2</source>
        <translation>SNC22     σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ１　　　　σ＝３５kg/mm^2</source>
        <translation>SNC1      σ=35kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２　　　　σ＝４０kg/mm^2</source>
        <translation>SNC2      σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ３　　　　σ＝４０kg/mm^2</source>
        <translation>SNC3      σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>ﾓｼﾞｭｰﾙ</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>歯数1</source>
        <translation>z1</translation>
    </message>
    <message>
        <source>歯数2</source>
        <translation>z2</translation>
    </message>
    <message>
        <source>転位係数1</source>
        <translation>x1</translation>
    </message>
    <message>
        <source>転位係数2</source>
        <translation>x2</translation>
    </message>
    <message>
        <source>歯先円直径1</source>
        <translation>Tip dia. 1</translation>
    </message>
    <message>
        <source>歯先円直径2</source>
        <translation>Tip dia. 2</translation>
    </message>
    <message>
        <source>噛合い率</source>
        <translation>Contact ratio</translation>
    </message>
    <message>
        <source>弦歯厚</source>
        <translation>Chordal tooth thickness</translation>
    </message>
    <message>
        <source>弦歯たけ</source>
        <translation>Chordal height</translation>
    </message>
    <message>
        <source>理想ピン径</source>
        <translation>Ideal pin diameter</translation>
    </message>
    <message>
        <source>オーバーピン寸法</source>
        <translation>Dimension over pins</translation>
    </message>
    <message>
        <source>またぎ歯厚</source>
        <translation>Span measurement</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>teeth</translation>
    </message>
    <message>
        <source>理想</source>
        <translation>ideal</translation>
    </message>
    <message>
        <source>%1（ギア１）</source>
        <translation>%1 (gear 1)</translation>
    </message>
    <message>
        <source>%1（ギア２）</source>
        <translation>%1 (gear 2)</translation>
    </message>
    <message>
        <source>歯幅 b</source>
        <translation>Face width b</translation>
    </message>
    <message>
        <source>調質鋼 (合金鋼)</source>
        <translation>Through-hardened</translation>
    </message>
    <message>
        <source>浸炭焼入れ鋼</source>
        <translation>Case-hardened</translation>
    </message>
    <message>
        <source>窒化鋼</source>
        <translation>Nitrided</translation>
    </message>
    <message>
        <source>ISO 6336-1/-2/-3:2006 方式B, ISO 6336-5:2003 (%1), ISO 1328-1:1995　平歯車 β = 0　圧力角 %2°</source>
        <translation>ISO 6336-1/-2/-3:2006 method B, ISO 6336-5:2003 (%1), ISO 1328-1:1995   spur gear β = 0   pressure angle %2°</translation>
    </message>
    <message>
        <source>ISO 6336-1/-2/-3:2006 方式B, ISO 6336-5:2003 (%1), ISO 1328-1:1995</source>
        <translation>ISO 6336-1/-2/-3:2006 method B, ISO 6336-5:2003 (%1), ISO 1328-1:1995</translation>
    </message>
    <message>
        <source>歯面: ギア１ %1・ギア２ %2　歯元: ギア１ %3・ギア２ %4</source>
        <translation>Pitting: gear 1 %1, gear 2 %2   Bending: gear 1 %3, gear 2 %4</translation>
    </message>
    <message>
        <source>S_H %1 / %2 (S_Hmin %3)　S_F %4 / %5 (S_Fmin %6)　最大トルク T₁max = %7 N·m</source>
        <translation>S_H %1 / %2 (S_Hmin %3)   S_F %4 / %5 (S_Fmin %6)   maximum torque T₁max = %7 N·m</translation>
    </message>
    <message>
        <source>共振比 (%1)</source>
        <translation>Resonance ratio (%1)</translation>
    </message>
    <message>
        <source>亜臨界域</source>
        <translation>subcritical range</translation>
    </message>
    <message>
        <source>主共振域</source>
        <translation>main resonance range</translation>
    </message>
    <message>
        <source>中間域</source>
        <translation>intermediate range</translation>
    </message>
    <message>
        <source>超臨界域</source>
        <translation>supercritical range</translation>
    </message>
    <message>
        <source>呼び接線力</source>
        <translation>Nominal tangential load</translation>
    </message>
    <message>
        <source>基準円周速度</source>
        <translation>Pitch line velocity</translation>
    </message>
    <message>
        <source>正面・重なりかみ合い率</source>
        <translation>Transverse / overlap ratio</translation>
    </message>
    <message>
        <source>法線ピッチ誤差</source>
        <translation>Normal pitch deviation</translation>
    </message>
    <message>
        <source>歯形形状誤差</source>
        <translation>Profile form deviation</translation>
    </message>
    <message>
        <source>単一・かみ合い剛性</source>
        <translation>Single / mesh stiffness</translation>
    </message>
    <message>
        <source>使用係数</source>
        <translation>Application factor</translation>
    </message>
    <message>
        <source>動荷重係数</source>
        <translation>Dynamic factor</translation>
    </message>
    <message>
        <source>歯幅方向荷重分布係数</source>
        <translation>Face load factor</translation>
    </message>
    <message>
        <source>正面荷重分布係数</source>
        <translation>Transverse load factor</translation>
    </message>
    <message>
        <source>領域係数</source>
        <translation>Zone factor</translation>
    </message>
    <message>
        <source>材料定数係数</source>
        <translation>Elasticity factor</translation>
    </message>
    <message>
        <source>かみ合い率係数</source>
        <translation>Contact ratio factor</translation>
    </message>
    <message>
        <source>ねじれ角係数</source>
        <translation>Helix angle factor</translation>
    </message>
    <message>
        <source>単一かみ合い係数</source>
        <translation>Single pair tooth contact factor</translation>
    </message>
    <message>
        <source>潤滑油係数</source>
        <translation>Lubricant factor</translation>
    </message>
    <message>
        <source>速度係数</source>
        <translation>Velocity factor</translation>
    </message>
    <message>
        <source>粗さ係数</source>
        <translation>Roughness factor</translation>
    </message>
    <message>
        <source>加工硬化係数</source>
        <translation>Work hardening factor</translation>
    </message>
    <message>
        <source>寸法係数 (歯面)</source>
        <translation>Size factor (pitting)</translation>
    </message>
    <message>
        <source>負荷繰返し数</source>
        <translation>Number of load cycles</translation>
    </message>
    <message>
        <source>寿命係数 (歯面)</source>
        <translation>Life factor (pitting)</translation>
    </message>
    <message>
        <source>歯面疲労限度</source>
        <translation>Pitting endurance limit</translation>
    </message>
    <message>
        <source>呼び接触応力</source>
        <translation>Nominal contact stress</translation>
    </message>
    <message>
        <source>接触応力</source>
        <translation>Contact stress</translation>
    </message>
    <message>
        <source>許容接触応力</source>
        <translation>Permissible contact stress</translation>
    </message>
    <message>
        <source>歯面強度安全率</source>
        <translation>Safety factor for pitting</translation>
    </message>
    <message>
        <source>歯形係数</source>
        <translation>Tooth form factor</translation>
    </message>
    <message>
        <source>応力修正係数</source>
        <translation>Stress correction factor</translation>
    </message>
    <message>
        <source>危険断面歯厚</source>
        <translation>Tooth root chord at the critical section</translation>
    </message>
    <message>
        <source>曲げモーメントアーム</source>
        <translation>Bending moment arm</translation>
    </message>
    <message>
        <source>危険断面すみ肉半径</source>
        <translation>Root fillet radius at the critical section</translation>
    </message>
    <message>
        <source>ねじれ角係数 (歯元)</source>
        <translation>Helix angle factor (bending)</translation>
    </message>
    <message>
        <source>かみ合い率係数 (方式Bでは不使用)</source>
        <translation>Contact ratio factor (not used in method B)</translation>
    </message>
    <message>
        <source>リム厚さ・高歯係数</source>
        <translation>Rim thickness / deep tooth factor</translation>
    </message>
    <message>
        <source>応力修正係数 (試験歯車)</source>
        <translation>Stress correction factor (reference test gear)</translation>
    </message>
    <message>
        <source>相対切欠き感度係数</source>
        <translation>Relative notch sensitivity factor</translation>
    </message>
    <message>
        <source>相対表面状態係数</source>
        <translation>Relative surface factor</translation>
    </message>
    <message>
        <source>寸法係数 (歯元)</source>
        <translation>Size factor (bending)</translation>
    </message>
    <message>
        <source>寿命係数 (歯元)</source>
        <translation>Life factor (bending)</translation>
    </message>
    <message>
        <source>歯元疲労限度</source>
        <translation>Bending endurance limit</translation>
    </message>
    <message>
        <source>歯元応力</source>
        <translation>Tooth root stress</translation>
    </message>
    <message>
        <source>許容歯元応力</source>
        <translation>Permissible tooth root stress</translation>
    </message>
    <message>
        <source>歯元強度安全率</source>
        <translation>Safety factor for tooth root bending</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>干渉</source>
        <translation>interference</translation>
    </message>
    <message>
        <source>による許容値</source>
        <translation>permissible values</translation>
    </message>
    <message>
        <source>%1 による許容値</source>
        <translation>Permissible values by %1</translation>
    </message>
    <message>
        <source>単一ピッチ偏差 f_pT</source>
        <translation>Single pitch deviation f_pT</translation>
    </message>
    <message>
        <source>累積ピッチ偏差 F_pT</source>
        <translation>Total cumulative pitch deviation F_pT</translation>
    </message>
    <message>
        <source>全歯形偏差 F_αT</source>
        <translation>Total profile deviation F_αT</translation>
    </message>
    <message>
        <source>歯形形状偏差 f_fαT</source>
        <translation>Profile form deviation f_fαT</translation>
    </message>
    <message>
        <source>歯形勾配偏差 f_HαT</source>
        <translation>Profile slope deviation f_HαT</translation>
    </message>
    <message>
        <source>全つる巻線偏差 F_βT</source>
        <translation>Total helix deviation F_βT</translation>
    </message>
    <message>
        <source>つる巻線形状偏差 f_fβT</source>
        <translation>Helix form deviation f_fβT</translation>
    </message>
    <message>
        <source>つる巻線勾配偏差 f_HβT</source>
        <translation>Helix slope deviation f_HβT</translation>
    </message>
    <message>
        <source>歯溝の振れ F_rT</source>
        <translation>Runout F_rT</translation>
    </message>
    <message>
        <source>またぎ歯数 k</source>
        <translation>Number of teeth spanned k</translation>
    </message>
    <message>
        <source>またぎ歯厚 W（上）</source>
        <translation>Span measurement W (upper)</translation>
    </message>
    <message>
        <source>またぎ歯厚 W（下）</source>
        <translation>Span measurement W (lower)</translation>
    </message>
    <message>
        <source>オーバーピン寸法（上）</source>
        <translation>Dimension over pins (upper)</translation>
    </message>
    <message>
        <source>オーバーピン寸法（下）</source>
        <translation>Dimension over pins (lower)</translation>
    </message>
    <message>
        <source>弦歯厚（上）</source>
        <translation>Chordal tooth thickness (upper)</translation>
    </message>
    <message>
        <source>弦歯厚（下）</source>
        <translation>Chordal tooth thickness (lower)</translation>
    </message>
    <message>
        <source>歯厚の上の許容差 E_sns</source>
        <translation>Upper tooth thickness deviation E_sns</translation>
    </message>
    <message>
        <source>歯厚の下の許容差 E_sni</source>
        <translation>Lower tooth thickness deviation E_sni</translation>
    </message>
    <message>
        <source>中心距離の許容差（上／下）</source>
        <translation>Centre distance deviations (upper / lower)</translation>
    </message>
    <message>
        <source>法線方向バックラッシ j_n（最小／最大）</source>
        <translation>Normal backlash j_n (min. / max.)</translation>
    </message>
    <message>
        <source>円周方向バックラッシ j_t（最小／最大）</source>
        <translation>Circumferential backlash j_t (min. / max.)</translation>
    </message>
    <message>
        <source>0 より大きい数（モジュールに対する比）</source>
        <translation>a number greater than 0 (ratio to the module)</translation>
    </message>
    <message>
        <source>0 より大きい数（空欄: モジュールの 10 倍）</source>
        <translation>a number greater than 0 (empty: 10 × module)</translation>
    </message>
    <message>
        <source>%1（空欄: 品質線の値）</source>
        <translation>%1 (empty: the quality line&apos;s value)</translation>
    </message>
    <message>
        <source>%1（モジュールに対する比）</source>
        <translation>%1 (ratio to the module)</translation>
    </message>
    <message>
        <source>%1（空欄: モジュールの 10 倍）</source>
        <translation>%1 (empty: 10 × module)</translation>
    </message>
    <message>
        <source>表面硬さ（ギア１）</source>
        <translation>Surface hardness (gear 1)</translation>
    </message>
    <message>
        <source>精度等級（ギア１）</source>
        <translation>Accuracy grade (gear 1)</translation>
    </message>
    <message>
        <source>精度等級（ギア２）</source>
        <translation>Accuracy grade (gear 2)</translation>
    </message>
    <message>
        <source>仕上げ（ギア１）</source>
        <translation>Finishing (gear 1)</translation>
    </message>
    <message>
        <source>範囲：%1</source>
        <translation>Range: %1</translation>
    </message>
    <message>
        <source>歯数Ｚ２ &gt; %1</source>
        <translation>z2 &gt; %1</translation>
    </message>
    <message>
        <source>歯数に公約数</source>
        <translation>common factor of the teeth</translation>
    </message>
    <message>
        <source>中心距離に合わない</source>
        <translation>centre distance not met</translation>
    </message>
    <message>
        <source>中心距離 &gt; 上限</source>
        <translation>centre distance &gt; maximum</translation>
    </message>
    <message>
        <source>すべり率が釣り合わない</source>
        <translation>sliding not balanced</translation>
    </message>
    <message>
        <source>ｱﾝﾀﾞｰｶｯﾄ</source>
        <translation>undercut</translation>
    </message>
    <message>
        <source>計算不可</source>
        <translation>cannot calculate</translation>
    </message>
    <message>
        <source>歯先歯厚 &lt; %1m</source>
        <translation>tip thickness &lt; %1m</translation>
    </message>
    <message>
        <source>噛合率 &lt; %1</source>
        <translation>contact ratio &lt; %1</translation>
    </message>
    <message>
        <source>強度計算不可</source>
        <translation>no load capacity</translation>
    </message>
    <message>
        <source>接触計算不可</source>
        <translation>contact calculation impossible</translation>
    </message>
    <message>
        <source>歯数比は 1 以上 300 以下にしてください</source>
        <translation>Give a gear ratio from 1 to 300</translation>
    </message>
    <message>
        <source>歯数比の許容差は 0 以上 100 % 未満にしてください</source>
        <translation>Give a ratio tolerance from 0 to below 100 %</translation>
    </message>
    <message>
        <source>中心距離は正の数にしてください</source>
        <translation>Give the centre distance as a positive number</translation>
    </message>
    <message>
        <source>歯幅は正の数にしてください</source>
        <translation>Give the face width as a positive number</translation>
    </message>
    <message>
        <source>最小 S_H は 0 より大きく 100 未満にしてください</source>
        <translation>Give a minimum S_H above 0 and below 100</translation>
    </message>
    <message>
        <source>最小 S_F は 0 より大きく 100 未満にしてください</source>
        <translation>Give a minimum S_F above 0 and below 100</translation>
    </message>
    <message>
        <source>最小噛合率は 1 以上 5 未満にしてください</source>
        <translation>Give a minimum contact ratio from 1 to below 5</translation>
    </message>
    <message>
        <source>最小歯先歯厚は 0 以上 2 未満（モジュール比）にしてください</source>
        <translation>Give a minimum tip thickness from 0 to below 2 (times the module)</translation>
    </message>
    <message>
        <source>歯数Ｚ１の範囲は 1 以上 300 以下、下限 ≦ 上限にしてください</source>
        <translation>Give z1 limits from 1 to 300, minimum ≤ maximum</translation>
    </message>
    <message>
        <source>モジュールは 0 より大きく 100 以下にしてください</source>
        <translation>Give a module above 0 and at most 100</translation>
    </message>
    <message>
        <source>範囲内に標準モジュールがありません</source>
        <translation>No standard module within the range</translation>
    </message>
    <message>
        <source>正の数を入力してください</source>
        <translation>Enter a positive number</translation>
    </message>
    <message>
        <source>0〜45° の範囲で入力してください</source>
        <translation>Enter 0 to 45°</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>正面かみ合い率 ε_α が 1 未満で、かみ合いが途切れる歯車対</source>
        <translation>a pair whose transverse contact ratio ε_α is below 1, so the mesh is interrupted</translation>
    </message>
    <message>
        <source>%1のため強度計算できません</source>
        <translation>No load capacity for %1</translation>
    </message>
    <message>
        <source>強度計算で演算エラーが発生しました</source>
        <translation>An arithmetic error occurred in the load capacity calculation</translation>
    </message>
    <message>
        <source>最大トルクが求まりません</source>
        <translation>The maximum torque cannot be found</translation>
    </message>
    <message>
        <source>歯元の危険断面が求まりません</source>
        <translation>The critical section of the tooth root cannot be found</translation>
    </message>
    <message>
        <source>モジュールは 0 より大きい数で指定してください</source>
        <translation>Give the module as a number greater than 0</translation>
    </message>
    <message>
        <source>圧力角は 0° と 90° の間で指定してください</source>
        <translation>Give a pressure angle between 0° and 90°</translation>
    </message>
    <message>
        <source>歯数は 1 以上で指定してください</source>
        <translation>Give at least 1 tooth</translation>
    </message>
    <message>
        <source>転位係数が数ではありません</source>
        <translation>The profile shift coefficient is not a number</translation>
    </message>
    <message>
        <source>歯先円直径がありません</source>
        <translation>No tip diameter</translation>
    </message>
    <message>
        <source>理想ピン径が求められません</source>
        <translation>The ideal pin diameter cannot be found</translation>
    </message>
    <message>
        <source>ピン径は 0 より大きい数で指定してください</source>
        <translation>Give the pin diameter as a number greater than 0</translation>
    </message>
    <message>
        <source>目標中心距離は 0 より大きい数で指定してください</source>
        <translation>Give the target centre distance as a number greater than 0</translation>
    </message>
    <message>
        <source>転位係数 x₁ が数ではありません</source>
        <translation>The profile shift coefficient x₁ is not a number</translation>
    </message>
    <message>
        <source>距離修正が数ではありません</source>
        <translation>The centre distance modification is not a number</translation>
    </message>
    <message>
        <source>転位係数の和が小さすぎて噛合い圧力角が求められません</source>
        <translation>The sum of the profile shift coefficients is too small for a working pressure angle</translation>
    </message>
    <message>
        <source>点の数は 0 から 100000 の範囲で指定してください</source>
        <translation>Give the number of points from 0 to 100000</translation>
    </message>
    <message>
        <source>歯先円が基礎円の内側にあり、かみ合いがありません</source>
        <translation>The tip circle lies inside the base circle: no mesh</translation>
    </message>
    <message>
        <source>かみ合い長さがありません</source>
        <translation>No length of the path of contact</translation>
    </message>
    <message>
        <source>転位係数の和が数ではありません</source>
        <translation>The sum of the profile shift coefficients is not a number</translation>
    </message>
    <message>
        <source>すべり率が釣り合う x₁ が見つかりません</source>
        <translation>No x₁ balances the specific sliding</translation>
    </message>
    <message>
        <source>ピン径が小さすぎて薄くした歯の歯溝の両歯面に届きません</source>
        <translation>The pin is too small to reach both flanks of the thinned tooth space</translation>
    </message>
    <message>
        <source>精度等級は 1 から 11 の範囲で指定してください</source>
        <translation>Give the accuracy grade from 1 to 11</translation>
    </message>
    <message>
        <source>ピン径 %1 mm は小さすぎて歯溝の両歯面に届きません</source>
        <translation>A pin of %1 mm is too small to reach both flanks of the tooth space</translation>
    </message>
    <message>
        <source>目標中心距離 %1 mm は基礎円で決まる限界 %2 mm 以下です</source>
        <translation>The target centre distance %1 mm is at or below the limit %2 mm the base circles set</translation>
    </message>
    <message>
        <source>またぎ歯数 %1 は 1 から %2</source>
        <translation>number of teeth spanned %1 is 1 to %2</translation>
    </message>
    <message>
        <source>作成日 %1</source>
        <translation>Date %1</translation>
    </message>
    <message>
        <source>平歯車の諸元計算書</source>
        <translation>Spur gear calculation sheet</translation>
    </message>
    <message>
        <source>1. 諸元</source>
        <translation>1. Data</translation>
    </message>
    <message>
        <source>2. 計算結果</source>
        <translation>2. Results</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>圧力角</source>
        <translation>Pressure angle</translation>
    </message>
    <message>
        <source>入力チェック</source>
        <translation>Input check</translation>
    </message>
    <message>
        <source>法線ﾊﾞｯｸﾗｯｼ(公式近似値）</source>
        <translation>Normal backlash (approx.)</translation>
    </message>
    <message>
        <source>3. 検査寸法</source>
        <translation>3. Measurements</translation>
    </message>
    <message>
        <source>またぎ歯厚 W</source>
        <translation>Span measurement W</translation>
    </message>
    <message>
        <source>W の接触円直径</source>
        <translation>Contact diameter of W</translation>
    </message>
    <message>
        <source>k：%1</source>
        <translation>k: %1</translation>
    </message>
    <message>
        <source>ギア１ %1・ギア２ %2</source>
        <translation>gear 1 %1, gear 2 %2</translation>
    </message>
    <message>
        <source>　ピン径：%1</source>
        <translation>  pin diameter: %1</translation>
    </message>
    <message>
        <source>指定</source>
        <translation>chosen</translation>
    </message>
    <message>
        <source>＊ 接触円が歯先円の外にあり、この k では測れません</source>
        <translation>* The contact circle lies outside the tip circle: this k cannot measure</translation>
    </message>
    <message>
        <source>※ ピンが歯先円から出ないか、歯面の外で接するため、このピンでは測れません</source>
        <translation>※ The pin does not stand out of the tip circle, or touches outside the flank: this pin cannot measure</translation>
    </message>
    <message>
        <source>4. 強度（ルイスの式）</source>
        <translation>4. Strength (Lewis formula)</translation>
    </message>
    <message>
        <source>ギア１の許容伝達トルク</source>
        <translation>Allowable torque of gear 1</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>歯幅 ｂ</source>
        <translation>Face width b</translation>
    </message>
    <message>
        <source>回転数 ｎ</source>
        <translation>Speed n</translation>
    </message>
    <message>
        <source>歯元丸み</source>
        <translation>Root fillet</translation>
    </message>
    <message>
        <source>衝撃</source>
        <translation>Shock</translation>
    </message>
    <message>
        <source>材料許容曲げ</source>
        <translation>Allowable bending stress</translation>
    </message>
    <message>
        <source>歯形係数 Y</source>
        <translation>Form factor Y</translation>
    </message>
    <message>
        <source>許容伝達トルク</source>
        <translation>Allowable torque</translation>
    </message>
    <message>
        <source>5. かみ合い図</source>
        <translation>5. Pair in mesh</translation>
    </message>
    <message>
        <source>尺度 1:%1</source>
        <translation>Scale 1:%1</translation>
    </message>
    <message>
        <source>尺度 %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>噛合い円 φ%1</source>
        <translation>Working dia. φ%1</translation>
    </message>
    <message>
        <source>中心距離 %1</source>
        <translation>Centre distance %1</translation>
    </message>
    <message>
        <source>かみ合い図 (m %1, z %2)</source>
        <translation>Pair in mesh (m %1, z %2)</translation>
    </message>
    <message>
        <source>要目表</source>
        <translation>Gear data</translation>
    </message>
    <message>
        <source>要目表 ギア%1</source>
        <translation>Gear data, gear %1</translation>
    </message>
    <message>
        <source>要目表 ギア１</source>
        <translation>Gear data, gear 1</translation>
    </message>
    <message>
        <source>要目表 ギア２</source>
        <translation>Gear data, gear 2</translation>
    </message>
    <message>
        <source>歯車歯形</source>
        <translation>Tooth profile</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>転位</source>
        <translation>shifted</translation>
    </message>
    <message>
        <source>基準ラック</source>
        <translation>Basic rack</translation>
    </message>
    <message>
        <source>歯形</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>並歯</source>
        <translation>full depth</translation>
    </message>
    <message>
        <source>基準ピッチ円直径</source>
        <translation>Reference diameter</translation>
    </message>
    <message>
        <source>転位量</source>
        <translation>Profile shift</translation>
    </message>
    <message>
        <source>歯先円直径</source>
        <translation>Tip diameter</translation>
    </message>
    <message>
        <source>全歯たけ</source>
        <translation>Tooth depth</translation>
    </message>
    <message>
        <source>歯厚</source>
        <translation>Tooth thickness</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 等級 %1</source>
        <translation>ISO 1328-1:2013 grade %1</translation>
    </message>
    <message>
        <source>相手歯車歯数</source>
        <translation>Mating gear teeth</translation>
    </message>
    <message>
        <source>相手歯車転位係数</source>
        <translation>Mating gear profile shift coef.</translation>
    </message>
    <message>
        <source>バックラッシ</source>
        <translation>Backlash</translation>
    </message>
    <message>
        <source>%1 ～ %2（法線方向）</source>
        <translation>%1 to %2 (normal)</translation>
    </message>
    <message>
        <source>仕上方法</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>歯厚許容差は指定なし（歯厚は基準寸法%1、バックラッシ範囲なし）</source>
        <translation>No tooth thickness deviations given (tooth thickness at its basic size%1, no backlash range)</translation>
    </message>
    <message>
        <source>%1（続き）</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>%1. %2（続き）</source>
        <translation>%1. %2 (continued)</translation>
    </message>
    <message>
        <source>%1. 公差・バックラッシ</source>
        <translation>%1. Tolerances and backlash</translation>
    </message>
    <message>
        <source>%1. すべり率（かみ合いの両端）</source>
        <translation>%1. Specific sliding (ends of the path of contact)</translation>
    </message>
    <message>
        <source>%1. 強度計算（ISO 6336）</source>
        <translation>%1. Load capacity (ISO 6336)</translation>
    </message>
    <message>
        <source>すべり率（かみ合いの両端）</source>
        <translation>Specific sliding (ends of the path of contact)</translation>
    </message>
    <message>
        <source>強度計算（ISO 6336）</source>
        <translation>Load capacity (ISO 6336)</translation>
    </message>
    <message>
        <source>%1 ／ %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>注意：最小バックラッシが負、歯面が干渉する</source>
        <translation>note: negative minimum backlash, the flanks interfere</translation>
    </message>
    <message>
        <source>許容値（f_pT 以下）は %1 による。バックラッシの最小は上の歯厚許容差と下の中心距離許容差、最大は下の歯厚許容差と上の中心距離許容差での値</source>
        <translation>Permissible values (f_pT and below) by %1. The minimum backlash is at the upper tooth thickness deviations and the lower centre distance deviation, the maximum at the lower and the upper.</translation>
    </message>
    <message>
        <source>%1 は ISO 1328-1:2013 の適用範囲（5 ≤ z ≤ 1000、5 ≤ d ≤ 15000 mm、0.5 ≤ m ≤ 70 mm、4 ≤ b ≤ 1200 mm）の外：式による参考値</source>
        <translation>%1 lies outside the scope of ISO 1328-1:2013 (5 ≤ z ≤ 1000, 5 ≤ d ≤ 15000 mm, 0.5 ≤ m ≤ 70 mm, 4 ≤ b ≤ 1200 mm): values from the formulae, for reference</translation>
    </message>
    <message>
        <source>距離修正後の中心距離 %1 mm でのかみ合い</source>
        <translation>mesh at the modified centre distance %1 mm</translation>
    </message>
    <message>
        <source>歯元のすべり率 ζ</source>
        <translation>Specific sliding at the root ζ</translation>
    </message>
    <message>
        <source>歯先のすべり率 ζ</source>
        <translation>Specific sliding at the tip ζ</translation>
    </message>
    <message>
        <source>ギア１駆動。ζ₁ = 1 − (ρ₂/ρ₁)(z₁/z₂)、ζ₂ = 1 − (ρ₁/ρ₂)(z₂/z₁)</source>
        <translation>Gear 1 driving. ζ₁ = 1 − (ρ₂/ρ₁)(z₁/z₂), ζ₂ = 1 − (ρ₁/ρ₂)(z₂/z₁)</translation>
    </message>
    <message>
        <source>記号・名称</source>
        <translation>Symbol, name</translation>
    </message>
    <message>
        <source>この組の強度計算はできません：%1</source>
        <translation>No load capacity for this pair: %1</translation>
    </message>
    <message>
        <source>トルク T₁（ギア１）</source>
        <translation>Torque T₁ (gear 1)</translation>
    </message>
    <message>
        <source>回転速度 n₁（ギア１）</source>
        <translation>Speed n₁ (gear 1)</translation>
    </message>
    <message>
        <source>精度等級（ISO 1328-1:1995）</source>
        <translation>Accuracy grade (ISO 1328-1:1995)</translation>
    </message>
    <message>
        <source>精度等級（ISO 1328-1:2013）</source>
        <translation>Tolerance class (ISO 1328-1:2013)</translation>
    </message>
    <message>
        <source>歯幅 b（強度計算）</source>
        <translation>Face width b (load capacity)</translation>
    </message>
    <message>
        <source>歯面（S_H ≥ %1）</source>
        <translation>Pitting (S_H ≥ %1)</translation>
    </message>
    <message>
        <source>歯元（S_F ≥ %1）</source>
        <translation>Bending (S_F ≥ %1)</translation>
    </message>
    <message>
        <source>最大トルク T₁max</source>
        <translation>Maximum torque T₁max</translation>
    </message>
    <message>
        <source>規格：%1</source>
        <translation>Standard: %1</translation>
    </message>
    <message>
        <source>%1 は %2 による</source>
        <translation>%1 by %2</translation>
    </message>
    <message>
        <source>計算書</source>
        <translation>calculation sheet</translation>
    </message>
    <message>
        <source>かみ合い図</source>
        <translation>drawing of the pair in mesh</translation>
    </message>
    <message>
        <source>ギア１ 自動</source>
        <translation>gear 1 auto</translation>
    </message>
    <message>
        <source>ギア１ 理想</source>
        <translation>gear 1 ideal</translation>
    </message>
    <message>
        <source>歯形テンプレート %1 (m %2, z %3)</source>
        <translation>Tooth template %1 (m %2, z %3)</translation>
    </message>
    <message>
        <source>歯形テンプレート %1　m %2　z %3　x %4　α %5°</source>
        <translation>Tooth template %1   m %2   z %3   x %4   α %5°</translation>
    </message>
    <message>
        <source>歯厚許容差は指定なし（歯厚は基準寸法、バックラッシ範囲なし）</source>
        <translation>No tooth thickness deviations given (tooth thickness at its basic size, no backlash range)</translation>
    </message>
    <message>
        <source>歯厚許容差は指定なし（歯厚は基準寸法）</source>
        <translation>No tooth thickness deviations given (tooth thickness at its basic size)</translation>
    </message>
    <message>
        <source>歯厚許容差は指定なし（歯厚は基準寸法） %1</source>
        <translation>No tooth thickness deviations given (tooth thickness at its basic size) %1</translation>
    </message>
    <message>
        <source>歯厚許容差は指定なし（歯厚は基準寸法、バックラッシ範囲なし） %1</source>
        <translation>No tooth thickness deviations given (tooth thickness at its basic size, no backlash range) %1</translation>
    </message>
    <message>
        <source>ＦＣ１５　σ＝７kg/mm^2</source>
        <translation>FC15 σ=7kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ２０　σ＝９kg/mm^2</source>
        <translation>FC20 σ=9kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ２５　σ＝１１kg/mm^2</source>
        <translation>FC25 σ=11kg/mm^2</translation>
    </message>
    <message>
        <source>ＦＣ３０　σ＝１３kg/mm^2</source>
        <translation>FC30 σ=13kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４２　σ＝１２kg/mm^2</source>
        <translation>SC42 σ=12kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４６　σ＝１９kg/mm^2</source>
        <translation>SC46 σ=19kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＣ４９　σ＝２０kg/mm^2</source>
        <translation>SC49 σ=20kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ２５Ｃ　σ＝２１kg/mm^2</source>
        <translation>S25C σ=21kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ３５Ｃ　σ＝２６kg/mm^2</source>
        <translation>S35C σ=26kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ４５Ｃ　σ＝３０kg/mm^2</source>
        <translation>S45C σ=30kg/mm^2</translation>
    </message>
    <message>
        <source>Ｓ１５ＣＫ　σ＝３０kg/mm^2</source>
        <translation>S15CK σ=30kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２１　σ＝３５kg/mm^2</source>
        <translation>SNC21 σ=35kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２２　σ＝４０kg/mm^2</source>
        <translation>SNC22 σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ１　σ＝３５kg/mm^2</source>
        <translation>SNC1 σ=35kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ２　σ＝４０kg/mm^2</source>
        <translation>SNC2 σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>ＳＮＣ３　σ＝４０kg/mm^2</source>
        <translation>SNC3 σ=40kg/mm^2</translation>
    </message>
    <message>
        <source>k：%1　ピン径：%2</source>
        <translation>k: %1   pin diameter: %2</translation>
    </message>
    <message>
        <source>%1　%2</source>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid line</translation>
    </message>
    <message>
        <source>一点鎖線 ____ _ ____ _</source>
        <translation>Chain line ____ _ ____ _</translation>
    </message>
    <message>
        <source>%1 %2 以下で入力してください</source>
        <translation>Enter at most %1 %2</translation>
    </message>
    <message>
        <source>1 以上 %1 未満で入力してください</source>
        <translation>Enter at least 1 and below %1</translation>
    </message>
    <message>
        <source>%1〜%2 の整数で入力してください</source>
        <translation>Enter an integer from %1 to %2</translation>
    </message>
    <message>
        <source>0 以上、歯元たけ未満で入力してください</source>
        <translation>Enter at least 0 and below the dedendum</translation>
    </message>
    <message>
        <source>0 以上で入力してください</source>
        <translation>Enter 0 or more</translation>
    </message>
    <message>
        <source>%1 以上で入力してください</source>
        <translation>Enter %1 or more</translation>
    </message>
    <message>
        <source>0 以上 %1 µm 未満で入力してください</source>
        <translation>Enter at least 0 and below %1 µm</translation>
    </message>
    <message>
        <source>基礎円直径より大きくしてください</source>
        <translation>Make it larger than the base diameter</translation>
    </message>
    <message>
        <source>歯底円直径より大きくしてください</source>
        <translation>Make it larger than the root diameter</translation>
    </message>
    <message>
        <source>基礎円半径の和より大きくしてください</source>
        <translation>Make it larger than the sum of the base radii</translation>
    </message>
    <message>
        <source>歯先修整量 C_a</source>
        <translation>Tip relief C_a</translation>
    </message>
    <message>
        <source>ねじれ角</source>
        <translation>Helix angle</translation>
    </message>
    <message>
        <source>%1：%2 の品質線 (%3) は %4〜%5 HV の範囲です</source>
        <translation>%1: the quality line of %2 (%3) spans %4 to %5 HV</translation>
    </message>
    <message>
        <source>３．ギア強度の簡易計算の「%1」：%2</source>
        <translation>3. Simple strength calculation, &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>ギア１の歯数 %1 は歯形係数の表（12〜300）の外にあるため、強度は載せていません</source>
        <translation>The strength is left out: gear 1 has %1 teeth, outside the form factor table (12 to 300)</translation>
    </message>
    <message>
        <source>%1の計算結果が有限の数になりません</source>
        <translation>The %1 does not come out as a finite number</translation>
    </message>
    <message>
        <source>インボリュート関数の逆が求められません</source>
        <translation>The inverse of the involute function cannot be found</translation>
    </message>
    <message>
        <source>理想ピン径が求められません（円 (z + 2x)m が基礎円の内側にあります）</source>
        <translation>The ideal pin diameter cannot be found (the circle (z + 2x)m lies inside the base circle)</translation>
    </message>
    <message>
        <source>目標中心距離 %1 mm は遠すぎます（噛合い圧力角が %2° を超えます。最大 %3 mm）</source>
        <translation>The target centre distance %1 mm is too far (the working pressure angle would exceed %2°; at most %3 mm)</translation>
    </message>
    <message>
        <source>%1が数ではありません</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1の上の許容差 %2 が下の許容差 %3 より小さい</source>
        <translation>The upper deviation %2 of the %1 is below the lower deviation %3</translation>
    </message>
    <message>
        <source>%1の下の許容差 %2 mm では歯厚（基準円上 %3 mm）が 0 以下になります</source>
        <translation>At the lower deviation %2 mm of the %1 the tooth thickness (%3 mm on the reference circle) is 0 or less</translation>
    </message>
    <message>
        <source>%1の上の許容差 %2 mm では歯厚（基準円上 %3 mm）が円ピッチ %4 mm 以上になります</source>
        <translation>At the upper deviation %2 mm of the %1 the tooth thickness (%3 mm on the reference circle) reaches the circular pitch %4 mm</translation>
    </message>
    <message>
        <source>すべり率 ζ₁（ギア１の歯元）</source>
        <translation>Specific sliding ζ₁ (root of gear 1)</translation>
    </message>
    <message>
        <source>すべり率 ζ₁（ギア１の歯先）</source>
        <translation>Specific sliding ζ₁ (tip of gear 1)</translation>
    </message>
    <message>
        <source>すべり率 ζ₂（ギア２の歯元）</source>
        <translation>Specific sliding ζ₂ (root of gear 2)</translation>
    </message>
    <message>
        <source>すべり率 ζ₂（ギア２の歯先）</source>
        <translation>Specific sliding ζ₂ (tip of gear 2)</translation>
    </message>
    <message>
        <source>material (材料)</source>
        <translation>material</translation>
    </message>
    <message>
        <source>heat treatment (熱処理)</source>
        <translation>heat treatment</translation>
    </message>
    <message>
        <source>hardness (硬さ)</source>
        <translation>hardness</translation>
    </message>
    <message>
        <source>finishing (仕上方法)</source>
        <translation>finishing</translation>
    </message>
    <message>
        <source>remarks for the gear data tables (備考)</source>
        <translation>remarks for the gear data tables</translation>
    </message>
    <message>
        <source>※ %1 は ISO 1328-1:2013 の適用範囲（5 ≤ z ≤ 1000、5 ≤ d ≤ 15000 mm、0.5 ≤ m ≤ 70 mm、4 ≤ b ≤ 1200 mm）の外：式による参考値</source>
        <translation>※ %1 lies outside the scope of ISO 1328-1:2013 (5 ≤ z ≤ 1000, 5 ≤ d ≤ 15000 mm, 0.5 ≤ m ≤ 70 mm, 4 ≤ b ≤ 1200 mm): values from the formulae, for reference</translation>
    </message>
    <message>
        <source>歯数（ギア１）</source>
        <translation>No. of teeth (gear 1)</translation>
    </message>
    <message>
        <source>歯数（ギア２）</source>
        <translation>No. of teeth (gear 2)</translation>
    </message>
    <message>
        <source>歯先円直径（ギア１）</source>
        <translation>Tip diameter (gear 1)</translation>
    </message>
    <message>
        <source>歯先円直径（ギア２）</source>
        <translation>Tip diameter (gear 2)</translation>
    </message>
    <message>
        <source>ギア1</source>
        <translation>Gear 1</translation>
    </message>
    <message>
        <source>ギア2</source>
        <translation>Gear 2</translation>
    </message>
    <message>
        <source>ギア1・ギア2</source>
        <translation>Gear 1 and gear 2</translation>
    </message>
    <message>
        <source>%1 (gear 1)</source>
        <translation>%1 (gear 1)</translation>
    </message>
    <message>
        <source>%1 (gear 2)</source>
        <translation>%1 (gear 2)</translation>
    </message>
    <message>
        <source>ファイル F を作成できません. 理由: &lt;reason&gt;</source>
        <translation>Cannot create file F. Reason: &lt;reason&gt;</translation>
    </message>
    <message>
        <source>出力を書き込めません: &lt;reason&gt;</source>
        <translation>Cannot write the output: &lt;reason&gt;</translation>
    </message>
    <message>
        <source>ＦＩＬＥ</source>
        <translation>FILE</translation>
    </message>
</context>
</TS>

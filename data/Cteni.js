; Ètení na jednotlivé dny let 1999 a 2025 až 2030 (ukázková data)

[1.1.1999]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[2.1.1999]
Cteni1=Ex 3,1-15

[3.1.1999]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[4.1.1999]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[5.1.1999]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[6.1.1999]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37

[8.1.1999]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[9.1.1999]
Cteni1=Ž 23

[10.1.1999]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[11.1.1999]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[12.1.1999]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[13.1.1999]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34

[14.1.1999]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[15.1.1999]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[16.1.1999]
Cteni1=Jr 31,31-34

[18.1.1999]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[19.1.1999]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[20.1.1999]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[21.1.1999]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[22.1.1999]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[23.1.1999]
Cteni1=Dt 6,4-9

[24.1.1999]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[25.1.1999]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[26.1.1999]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[28.1.1999]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[29.1.1999]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[30.1.1999]
Cteni1=Ž 121
Perikopa=J 11,17-27

[31.1.1999]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[1.2.1999]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[2.2.1999]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[3.2.1999]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12

[4.2.1999]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[5.2.1999]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[6.2.1999]
Cteni1=Ez 36,24-28

[8.2.1999]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[9.2.1999]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[10.2.1999]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[11.2.1999]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[12.2.1999]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[13.2.1999]
Cteni1=Iz 40,1-11
Cteni3=

[14.2.1999]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[15.2.1999]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[16.2.1999]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[18.2.1999]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[19.2.1999]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[20.2.1999]
Cteni1=Gn 1,1-5
Perikopa=L 15,11-32

[21.2.1999]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[22.2.1999]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[23.2.1999]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[24.2.1999]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29

[25.2.1999]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[26.2.1999]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[28.2.1999]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[1.3.1999]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[2.3.1999]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[3.3.1999]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14

[4.3.1999]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[5.3.1999]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[6.3.1999]
Cteni1=Iz 52,7-10

[8.3.1999]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[9.3.1999]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[10.3.1999]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[11.3.1999]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[12.3.1999]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[13.3.1999]
Cteni1=Ex 3,1-15
Cteni3=

[14.3.1999]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[15.3.1999]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[16.3.1999]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[18.3.1999]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[19.3.1999]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[20.3.1999]
Cteni1=Ž 23
Perikopa=Mt 7,24-29

[21.3.1999]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[22.3.1999]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[23.3.1999]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[24.3.1999]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=L 10,25-37

[25.3.1999]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[26.3.1999]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[28.3.1999]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[29.3.1999]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[30.3.1999]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[31.3.1999]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34

[1.4.1999]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[2.4.1999]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[3.4.1999]
Cteni1=Dt 6,4-9

[4.4.1999]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[5.4.1999]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[6.4.1999]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[8.4.1999]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[9.4.1999]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[10.4.1999]
Cteni1=Ž 121
Perikopa=L 24,13-35

[11.4.1999]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[12.4.1999]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[13.4.1999]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=

[14.4.1999]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=L 2,1-14

[15.4.1999]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[16.4.1999]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[18.4.1999]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=J 10,11-18
Perikopa=J 11,17-27

[19.4.1999]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[20.4.1999]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[21.4.1999]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12

[22.4.1999]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[23.4.1999]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[24.4.1999]
Cteni1=Iz 40,1-11

[25.4.1999]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[26.4.1999]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[28.4.1999]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21

[29.4.1999]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[30.4.1999]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[1.5.1999]
Cteni1=Gn 1,1-5

[2.5.1999]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[3.5.1999]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[4.5.1999]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[5.5.1999]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[6.5.1999]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[8.5.1999]
Cteni1=Mi 5,1-4

[9.5.1999]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[10.5.1999]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[11.5.1999]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[12.5.1999]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29

[13.5.1999]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=

[14.5.1999]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[15.5.1999]
Cteni1=Iz 52,7-10
Perikopa=L 15,11-32

[16.5.1999]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16
Perikopa=L 24,13-35

[18.5.1999]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[19.5.1999]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14

[20.5.1999]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[21.5.1999]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[22.5.1999]
Cteni1=Ex 3,1-15

[23.5.1999]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29
Perikopa=J 2,1-11

[24.5.1999]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[25.5.1999]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[26.5.1999]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20

[28.5.1999]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[29.5.1999]
Cteni1=Ž 23

[30.5.1999]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[31.5.1999]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[1.6.1999]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[2.6.1999]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=J 15,1-8

[3.6.1999]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[4.6.1999]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[5.6.1999]
Cteni1=Jr 31,31-34
Perikopa=J 11,17-27

[6.6.1999]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20
Perikopa=Mt 7,24-29

[8.6.1999]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[9.6.1999]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37

[10.6.1999]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[11.6.1999]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[12.6.1999]
Cteni1=Dt 6,4-9

[13.6.1999]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=J 15,1-8
Perikopa=Mk 4,35-41

[14.6.1999]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[15.6.1999]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[16.6.1999]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34

[18.6.1999]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[19.6.1999]
Cteni1=Ž 121

[20.6.1999]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[21.6.1999]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[22.6.1999]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[23.6.1999]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18

[24.6.1999]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[25.6.1999]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[26.6.1999]
Cteni1=Ez 36,24-28

[28.6.1999]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[29.6.1999]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[30.6.1999]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[1.7.1999]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[2.7.1999]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[3.7.1999]
Cteni1=Iz 40,1-11

[4.7.1999]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[5.7.1999]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[6.7.1999]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[8.7.1999]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[9.7.1999]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[10.7.1999]
Cteni1=Gn 1,1-5
Perikopa=J 2,1-11

[11.7.1999]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[12.7.1999]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[13.7.1999]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=

[14.7.1999]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21

[15.7.1999]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[16.7.1999]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[18.7.1999]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12
Perikopa=Mt 7,24-29

[19.7.1999]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[20.7.1999]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[21.7.1999]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=Mk 10,13-16

[22.7.1999]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[23.7.1999]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[24.7.1999]
Cteni1=Iz 52,7-10

[25.7.1999]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[26.7.1999]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[28.7.1999]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=J 20,24-29

[29.7.1999]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[30.7.1999]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[31.7.1999]
Cteni1=Ex 3,1-15

[1.8.1999]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16
Perikopa=L 15,11-32

[2.8.1999]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[3.8.1999]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[4.8.1999]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 1,1-14

[5.8.1999]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[6.8.1999]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[8.8.1999]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29
Perikopa=L 24,13-35

[9.8.1999]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[10.8.1999]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[11.8.1999]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=Mk 1,14-20

[12.8.1999]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[13.8.1999]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=

[14.8.1999]
Cteni1=Jr 31,31-34

[15.8.1999]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[16.8.1999]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[18.8.1999]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8

[19.8.1999]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[20.8.1999]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[21.8.1999]
Cteni1=Dt 6,4-9

[22.8.1999]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20
Perikopa=J 11,17-27

[23.8.1999]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[24.8.1999]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[25.8.1999]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[26.8.1999]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[28.8.1999]
Cteni1=Ž 121

[29.8.1999]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[30.8.1999]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[31.8.1999]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[1.9.1999]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34

[2.9.1999]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[3.9.1999]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[4.9.1999]
Cteni1=Ez 36,24-28

[5.9.1999]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37
Perikopa=Mk 4,35-41

[6.9.1999]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[8.9.1999]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18

[9.9.1999]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[10.9.1999]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[11.9.1999]
Cteni1=Iz 40,1-11

[12.9.1999]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34
Perikopa=L 15,11-32

[13.9.1999]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=

[14.9.1999]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[15.9.1999]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[16.9.1999]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[18.9.1999]
Cteni1=Gn 1,1-5

[19.9.1999]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[20.9.1999]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[21.9.1999]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[22.9.1999]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12

[23.9.1999]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[24.9.1999]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[25.9.1999]
Cteni1=Mi 5,1-4
Perikopa=L 24,13-35

[26.9.1999]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14
Perikopa=J 2,1-11

[28.9.1999]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[29.9.1999]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=J 3,16-21

[30.9.1999]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[1.10.1999]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[2.10.1999]
Cteni1=Iz 52,7-10

[3.10.1999]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[4.10.1999]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[5.10.1999]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[6.10.1999]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16

[8.10.1999]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[9.10.1999]
Cteni1=Ex 3,1-15

[10.10.1999]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[11.10.1999]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[12.10.1999]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[13.10.1999]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29

[14.10.1999]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[15.10.1999]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[16.10.1999]
Cteni1=Ž 23

[18.10.1999]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[19.10.1999]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[20.10.1999]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[21.10.1999]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[22.10.1999]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[23.10.1999]
Cteni1=Jr 31,31-34

[24.10.1999]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[25.10.1999]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[26.10.1999]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[28.10.1999]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[29.10.1999]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[30.10.1999]
Cteni1=Dt 6,4-9
Perikopa=L 15,11-32

[31.10.1999]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=L 24,13-35

[1.11.1999]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[2.11.1999]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[3.11.1999]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8

[4.11.1999]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[5.11.1999]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[6.11.1999]
Cteni1=Ž 121

[8.11.1999]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[9.11.1999]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[10.11.1999]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37
Perikopa=Mk 4,35-41

[11.11.1999]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[12.11.1999]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[13.11.1999]
Cteni1=Ez 36,24-28
Cteni3=

[14.11.1999]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=J 15,1-8
Perikopa=J 11,17-27

[15.11.1999]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[16.11.1999]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[18.11.1999]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[19.11.1999]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[20.11.1999]
Cteni1=Iz 40,1-11
Perikopa=J 11,17-27

[21.11.1999]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[22.11.1999]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[23.11.1999]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[24.11.1999]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18

[25.11.1999]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[26.11.1999]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[28.11.1999]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=Mt 6,25-34
Perikopa=Mk 4,35-41

[29.11.1999]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[30.11.1999]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[1.12.1999]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=L 2,1-14

[2.12.1999]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[3.12.1999]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[4.12.1999]
Cteni1=Mi 5,1-4

[5.12.1999]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[6.12.1999]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[8.12.1999]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12

[9.12.1999]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[10.12.1999]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[11.12.1999]
Cteni1=Iz 52,7-10

[12.12.1999]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[13.12.1999]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=

[14.12.1999]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[15.12.1999]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[16.12.1999]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[18.12.1999]
Cteni1=Ex 3,1-15

[19.12.1999]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[20.12.1999]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[21.12.1999]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[22.12.1999]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16

[23.12.1999]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[24.12.1999]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[25.12.1999]
Cteni1=Ž 23
Perikopa=J 2,1-11

[26.12.1999]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[28.12.1999]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[29.12.1999]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29

[30.12.1999]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[31.12.1999]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[1.1.2025]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12

[2.1.2025]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[3.1.2025]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[4.1.2025]
Cteni1=Iz 52,7-10

[5.1.2025]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[6.1.2025]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[8.1.2025]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21

[9.1.2025]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[10.1.2025]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[11.1.2025]
Cteni1=Ex 3,1-15

[12.1.2025]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[13.1.2025]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[14.1.2025]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[15.1.2025]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[16.1.2025]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[18.1.2025]
Cteni1=Ž 23

[19.1.2025]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[20.1.2025]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[21.1.2025]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[22.1.2025]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29

[23.1.2025]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[24.1.2025]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[25.1.2025]
Cteni1=Jr 31,31-34
Perikopa=J 11,17-27

[26.1.2025]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16
Perikopa=Mt 7,24-29

[28.1.2025]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[29.1.2025]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14

[30.1.2025]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[31.1.2025]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[1.2.2025]
Cteni1=Dt 6,4-9

[2.2.2025]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29
Perikopa=Mk 4,35-41

[3.2.2025]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[4.2.2025]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[5.2.2025]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20
Perikopa=J 2,1-11

[6.2.2025]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[8.2.2025]
Cteni1=Ž 121

[9.2.2025]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[10.2.2025]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[11.2.2025]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[12.2.2025]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=J 15,1-8

[13.2.2025]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[14.2.2025]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[15.2.2025]
Cteni1=Ez 36,24-28
Perikopa=L 15,11-32

[16.2.2025]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20
Perikopa=L 24,13-35

[18.2.2025]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[19.2.2025]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37

[20.2.2025]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[21.2.2025]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[22.2.2025]
Cteni1=Iz 40,1-11

[23.2.2025]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[24.2.2025]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[25.2.2025]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[26.2.2025]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34

[28.2.2025]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[1.3.2025]
Cteni1=Gn 1,1-5

[2.3.2025]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[3.3.2025]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[4.3.2025]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[5.3.2025]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[6.3.2025]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[8.3.2025]
Cteni1=Mi 5,1-4

[9.3.2025]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[10.3.2025]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[11.3.2025]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[12.3.2025]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14

[13.3.2025]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[14.3.2025]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[15.3.2025]
Cteni1=Iz 52,7-10
Perikopa=Mt 7,24-29

[16.3.2025]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[18.3.2025]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[19.3.2025]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12

[20.3.2025]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[21.3.2025]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[22.3.2025]
Cteni1=Ex 3,1-15

[23.3.2025]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=L 2,1-14
Perikopa=L 15,11-32

[24.3.2025]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[25.3.2025]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[26.3.2025]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21

[28.3.2025]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[29.3.2025]
Cteni1=Ž 23

[30.3.2025]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[31.3.2025]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[1.4.2025]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[2.4.2025]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=Mk 10,13-16

[3.4.2025]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[4.4.2025]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[5.4.2025]
Cteni1=Jr 31,31-34
Perikopa=L 24,13-35

[6.4.2025]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[8.4.2025]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[9.4.2025]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=J 20,24-29

[10.4.2025]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[11.4.2025]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[12.4.2025]
Cteni1=Dt 6,4-9

[13.4.2025]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16
Perikopa=J 11,17-27

[14.4.2025]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[15.4.2025]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[16.4.2025]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 1,1-14

[18.4.2025]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[19.4.2025]
Cteni1=Ž 121

[20.4.2025]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[21.4.2025]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[22.4.2025]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[23.4.2025]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=Mk 1,14-20

[24.4.2025]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[25.4.2025]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[26.4.2025]
Cteni1=Ez 36,24-28

[28.4.2025]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[29.4.2025]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[30.4.2025]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[1.5.2025]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[2.5.2025]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[3.5.2025]
Cteni1=Iz 40,1-11

[4.5.2025]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[5.5.2025]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[6.5.2025]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[8.5.2025]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[9.5.2025]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[10.5.2025]
Cteni1=Gn 1,1-5
Perikopa=L 15,11-32

[11.5.2025]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[12.5.2025]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[13.5.2025]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[14.5.2025]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34

[15.5.2025]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[16.5.2025]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[18.5.2025]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[19.5.2025]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[20.5.2025]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[21.5.2025]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18

[22.5.2025]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[23.5.2025]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[24.5.2025]
Cteni1=Iz 52,7-10

[25.5.2025]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[26.5.2025]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[28.5.2025]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14

[29.5.2025]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[30.5.2025]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[31.5.2025]
Cteni1=Ex 3,1-15

[1.6.2025]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[2.6.2025]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[3.6.2025]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[4.6.2025]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12

[5.6.2025]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[6.6.2025]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[8.6.2025]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[9.6.2025]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[10.6.2025]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[11.6.2025]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=J 3,16-21

[12.6.2025]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[13.6.2025]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[14.6.2025]
Cteni1=Jr 31,31-34

[15.6.2025]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[16.6.2025]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[18.6.2025]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16

[19.6.2025]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[20.6.2025]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[21.6.2025]
Cteni1=Dt 6,4-9

[22.6.2025]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[23.6.2025]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[24.6.2025]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[25.6.2025]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[26.6.2025]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[28.6.2025]
Cteni1=Ž 121

[29.6.2025]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[30.6.2025]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[1.7.2025]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[2.7.2025]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14

[3.7.2025]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[4.7.2025]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[5.7.2025]
Cteni1=Ez 36,24-28
Perikopa=J 2,1-11

[6.7.2025]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[8.7.2025]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[9.7.2025]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20

[10.7.2025]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[11.7.2025]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[12.7.2025]
Cteni1=Iz 40,1-11

[13.7.2025]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[14.7.2025]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[15.7.2025]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[16.7.2025]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8

[18.7.2025]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[19.7.2025]
Cteni1=Gn 1,1-5

[20.7.2025]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[21.7.2025]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[22.7.2025]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[23.7.2025]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37

[24.7.2025]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[25.7.2025]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[26.7.2025]
Cteni1=Mi 5,1-4

[28.7.2025]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[29.7.2025]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[30.7.2025]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[31.7.2025]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[1.8.2025]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[2.8.2025]
Cteni1=Iz 52,7-10

[3.8.2025]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[4.8.2025]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[5.8.2025]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[6.8.2025]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18

[8.8.2025]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[9.8.2025]
Cteni1=Ex 3,1-15

[10.8.2025]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[11.8.2025]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[12.8.2025]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[13.8.2025]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=L 2,1-14

[14.8.2025]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[15.8.2025]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[16.8.2025]
Cteni1=Ž 23

[18.8.2025]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[19.8.2025]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[20.8.2025]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[21.8.2025]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[22.8.2025]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[23.8.2025]
Cteni1=Jr 31,31-34

[24.8.2025]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[25.8.2025]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[26.8.2025]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[28.8.2025]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[29.8.2025]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[30.8.2025]
Cteni1=Dt 6,4-9
Perikopa=Mt 7,24-29

[31.8.2025]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[1.9.2025]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[2.9.2025]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[3.9.2025]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16

[4.9.2025]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[5.9.2025]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[6.9.2025]
Cteni1=Ž 121

[8.9.2025]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[9.9.2025]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[10.9.2025]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[11.9.2025]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[12.9.2025]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[13.9.2025]
Cteni1=Ez 36,24-28

[14.9.2025]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=Mk 10,13-16
Perikopa=L 24,13-35

[15.9.2025]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[16.9.2025]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[18.9.2025]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[19.9.2025]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[20.9.2025]
Cteni1=Iz 40,1-11
Perikopa=L 24,13-35

[21.9.2025]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29
Perikopa=J 2,1-11

[22.9.2025]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[23.9.2025]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[24.9.2025]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20

[25.9.2025]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[26.9.2025]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[28.9.2025]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[29.9.2025]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[30.9.2025]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[1.10.2025]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8

[2.10.2025]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[3.10.2025]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[4.10.2025]
Cteni1=Mi 5,1-4

[5.10.2025]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=Mk 1,14-20
Perikopa=Mt 7,24-29

[6.10.2025]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[8.10.2025]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37

[9.10.2025]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[10.10.2025]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[11.10.2025]
Cteni1=Iz 52,7-10

[12.10.2025]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8
Perikopa=Mk 4,35-41

[13.10.2025]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[14.10.2025]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[15.10.2025]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[16.10.2025]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[18.10.2025]
Cteni1=Ex 3,1-15

[19.10.2025]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[20.10.2025]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[21.10.2025]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[22.10.2025]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 10,11-18

[23.10.2025]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[24.10.2025]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[25.10.2025]
Cteni1=Ž 23
Perikopa=L 15,11-32

[26.10.2025]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34
Perikopa=L 24,13-35

[28.10.2025]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[29.10.2025]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14

[30.10.2025]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[31.10.2025]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[1.11.2025]
Cteni1=Jr 31,31-34

[2.11.2025]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[3.11.2025]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[4.11.2025]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[5.11.2025]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[6.11.2025]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[8.11.2025]
Cteni1=Dt 6,4-9

[9.11.2025]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[10.11.2025]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[11.11.2025]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[12.11.2025]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21

[13.11.2025]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[14.11.2025]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[15.11.2025]
Cteni1=Ž 121
Perikopa=J 11,17-27

[16.11.2025]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12
Perikopa=Mt 7,24-29

[18.11.2025]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[19.11.2025]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16

[20.11.2025]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[21.11.2025]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[22.11.2025]
Cteni1=Ez 36,24-28

[23.11.2025]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[24.11.2025]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[25.11.2025]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[26.11.2025]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29

[28.11.2025]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[29.11.2025]
Cteni1=Iz 40,1-11

[30.11.2025]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=Mk 10,13-16
Perikopa=L 15,11-32

[1.12.2025]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[2.12.2025]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[3.12.2025]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14

[4.12.2025]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[5.12.2025]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[6.12.2025]
Cteni1=Gn 1,1-5

[8.12.2025]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[9.12.2025]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[10.12.2025]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20
Perikopa=Mt 7,24-29

[11.12.2025]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[12.12.2025]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[13.12.2025]
Cteni1=Mi 5,1-4

[14.12.2025]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[15.12.2025]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[16.12.2025]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[18.12.2025]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[19.12.2025]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[20.12.2025]
Cteni1=Iz 52,7-10
Perikopa=J 2,1-11

[21.12.2025]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20
Perikopa=J 11,17-27

[22.12.2025]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[23.12.2025]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[24.12.2025]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=L 10,25-37

[25.12.2025]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[26.12.2025]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[28.12.2025]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[29.12.2025]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[30.12.2025]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[31.12.2025]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34

[1.1.2026]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[2.1.2026]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[3.1.2026]
Cteni1=Iz 52,7-10

[4.1.2026]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[5.1.2026]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[6.1.2026]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[8.1.2026]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[9.1.2026]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[10.1.2026]
Cteni1=Ex 3,1-15
Perikopa=Mk 4,35-41

[11.1.2026]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[12.1.2026]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[13.1.2026]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[14.1.2026]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20

[15.1.2026]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[16.1.2026]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[18.1.2026]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14
Perikopa=L 24,13-35

[19.1.2026]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[20.1.2026]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[21.1.2026]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8

[22.1.2026]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[23.1.2026]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[24.1.2026]
Cteni1=Jr 31,31-34

[25.1.2026]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20
Perikopa=J 2,1-11

[26.1.2026]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[28.1.2026]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37

[29.1.2026]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[30.1.2026]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[31.1.2026]
Cteni1=Dt 6,4-9

[1.2.2026]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=J 15,1-8
Perikopa=J 11,17-27

[2.2.2026]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[3.2.2026]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[4.2.2026]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34

[5.2.2026]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[6.2.2026]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[8.2.2026]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[9.2.2026]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[10.2.2026]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[11.2.2026]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18

[12.2.2026]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[13.2.2026]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[14.2.2026]
Cteni1=Ez 36,24-28

[15.2.2026]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34
Perikopa=Mk 4,35-41

[16.2.2026]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[18.2.2026]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14

[19.2.2026]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[20.2.2026]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[21.2.2026]
Cteni1=Iz 40,1-11

[22.2.2026]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[23.2.2026]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[24.2.2026]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[25.2.2026]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[26.2.2026]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[28.2.2026]
Cteni1=Gn 1,1-5

[1.3.2026]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[2.3.2026]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[3.3.2026]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[4.3.2026]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21

[5.3.2026]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[6.3.2026]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[8.3.2026]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[9.3.2026]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[10.3.2026]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[11.3.2026]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16

[12.3.2026]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[13.3.2026]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[14.3.2026]
Cteni1=Iz 52,7-10

[15.3.2026]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[16.3.2026]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[18.3.2026]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=J 20,24-29

[19.3.2026]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[20.3.2026]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[21.3.2026]
Cteni1=Ex 3,1-15

[22.3.2026]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=Mk 10,13-16
Perikopa=Mt 7,24-29

[23.3.2026]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[24.3.2026]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[25.3.2026]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=L 24,13-35

[26.3.2026]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[28.3.2026]
Cteni1=Ž 23

[29.3.2026]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=J 20,24-29
Perikopa=Mk 4,35-41

[30.3.2026]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[31.3.2026]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[1.4.2026]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20

[2.4.2026]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[3.4.2026]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[4.4.2026]
Cteni1=Jr 31,31-34

[5.4.2026]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[6.4.2026]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[8.4.2026]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=J 15,1-8

[9.4.2026]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[10.4.2026]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[11.4.2026]
Cteni1=Dt 6,4-9

[12.4.2026]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=Mk 1,14-20
Perikopa=L 24,13-35

[13.4.2026]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[14.4.2026]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[15.4.2026]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[16.4.2026]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[18.4.2026]
Cteni1=Ž 121

[19.4.2026]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[20.4.2026]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[21.4.2026]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[22.4.2026]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=Mt 6,25-34

[23.4.2026]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[24.4.2026]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[25.4.2026]
Cteni1=Ez 36,24-28
Perikopa=J 2,1-11

[26.4.2026]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[28.4.2026]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[29.4.2026]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=J 10,11-18

[30.4.2026]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[1.5.2026]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[2.5.2026]
Cteni1=Iz 40,1-11

[3.5.2026]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[4.5.2026]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[5.5.2026]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[6.5.2026]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14

[8.5.2026]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[9.5.2026]
Cteni1=Gn 1,1-5

[10.5.2026]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[11.5.2026]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[12.5.2026]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[13.5.2026]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12

[14.5.2026]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[15.5.2026]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[16.5.2026]
Cteni1=Mi 5,1-4

[18.5.2026]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[19.5.2026]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[20.5.2026]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[21.5.2026]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[22.5.2026]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[23.5.2026]
Cteni1=Iz 52,7-10

[24.5.2026]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[25.5.2026]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[26.5.2026]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[28.5.2026]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[29.5.2026]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[30.5.2026]
Cteni1=Ex 3,1-15
Perikopa=L 24,13-35

[31.5.2026]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[1.6.2026]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[2.6.2026]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[3.6.2026]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29

[4.6.2026]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[5.6.2026]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[6.6.2026]
Cteni1=Ž 23

[8.6.2026]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[9.6.2026]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[10.6.2026]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[11.6.2026]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[12.6.2026]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[13.6.2026]
Cteni1=Jr 31,31-34

[14.6.2026]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[15.6.2026]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[16.6.2026]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[18.6.2026]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[19.6.2026]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[20.6.2026]
Cteni1=Dt 6,4-9
Perikopa=Mt 7,24-29

[21.6.2026]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14
Perikopa=Mk 4,35-41

[22.6.2026]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[23.6.2026]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[24.6.2026]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8

[25.6.2026]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[26.6.2026]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[28.6.2026]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[29.6.2026]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[30.6.2026]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[1.7.2026]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37

[2.7.2026]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[3.7.2026]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[4.7.2026]
Cteni1=Ez 36,24-28

[5.7.2026]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[6.7.2026]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[8.7.2026]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34

[9.7.2026]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[10.7.2026]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[11.7.2026]
Cteni1=Iz 40,1-11

[12.7.2026]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[13.7.2026]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[14.7.2026]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[15.7.2026]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[16.7.2026]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[18.7.2026]
Cteni1=Gn 1,1-5

[19.7.2026]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[20.7.2026]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[21.7.2026]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[22.7.2026]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=L 2,1-14

[23.7.2026]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[24.7.2026]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[25.7.2026]
Cteni1=Mi 5,1-4
Perikopa=J 11,17-27

[26.7.2026]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[28.7.2026]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[29.7.2026]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12

[30.7.2026]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[31.7.2026]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[1.8.2026]
Cteni1=Iz 52,7-10

[2.8.2026]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[3.8.2026]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[4.8.2026]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[5.8.2026]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[6.8.2026]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[8.8.2026]
Cteni1=Ex 3,1-15

[9.8.2026]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[10.8.2026]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[11.8.2026]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[12.8.2026]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=Mk 10,13-16

[13.8.2026]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[14.8.2026]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[15.8.2026]
Cteni1=Ž 23
Perikopa=L 15,11-32

[16.8.2026]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[18.8.2026]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[19.8.2026]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29

[20.8.2026]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[21.8.2026]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[22.8.2026]
Cteni1=Jr 31,31-34

[23.8.2026]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[24.8.2026]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[25.8.2026]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[26.8.2026]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14

[28.8.2026]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[29.8.2026]
Cteni1=Dt 6,4-9

[30.8.2026]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[31.8.2026]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[1.9.2026]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[2.9.2026]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20

[3.9.2026]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[4.9.2026]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[5.9.2026]
Cteni1=Ž 121
Perikopa=J 11,17-27

[6.9.2026]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[8.9.2026]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[9.9.2026]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8

[10.9.2026]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[11.9.2026]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[12.9.2026]
Cteni1=Ez 36,24-28

[13.9.2026]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[14.9.2026]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[15.9.2026]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[16.9.2026]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=L 10,25-37

[18.9.2026]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[19.9.2026]
Cteni1=Iz 40,1-11

[20.9.2026]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[21.9.2026]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[22.9.2026]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[23.9.2026]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34

[24.9.2026]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[25.9.2026]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[26.9.2026]
Cteni1=Gn 1,1-5

[28.9.2026]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[29.9.2026]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[30.9.2026]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[1.10.2026]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[2.10.2026]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[3.10.2026]
Cteni1=Mi 5,1-4

[4.10.2026]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[5.10.2026]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[6.10.2026]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[8.10.2026]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[9.10.2026]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[10.10.2026]
Cteni1=Iz 52,7-10
Perikopa=J 2,1-11

[11.10.2026]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 10,11-18
Perikopa=J 11,17-27

[12.10.2026]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[13.10.2026]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[14.10.2026]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12

[15.10.2026]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[16.10.2026]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[18.10.2026]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[19.10.2026]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[20.10.2026]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[21.10.2026]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21

[22.10.2026]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[23.10.2026]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[24.10.2026]
Cteni1=Ž 23

[25.10.2026]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[26.10.2026]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[28.10.2026]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16

[29.10.2026]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[30.10.2026]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[31.10.2026]
Cteni1=Jr 31,31-34

[1.11.2026]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[2.11.2026]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[3.11.2026]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[4.11.2026]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29

[5.11.2026]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[6.11.2026]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[8.11.2026]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16
Perikopa=L 24,13-35

[9.11.2026]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[10.11.2026]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[11.11.2026]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14

[12.11.2026]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[13.11.2026]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[14.11.2026]
Cteni1=Ž 121

[15.11.2026]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29
Perikopa=J 2,1-11

[16.11.2026]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[18.11.2026]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20

[19.11.2026]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[20.11.2026]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[21.11.2026]
Cteni1=Ez 36,24-28

[22.11.2026]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[23.11.2026]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[24.11.2026]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[25.11.2026]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[26.11.2026]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[28.11.2026]
Cteni1=Iz 40,1-11

[29.11.2026]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20
Perikopa=Mt 7,24-29

[30.11.2026]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[1.12.2026]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[2.12.2026]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37

[3.12.2026]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[4.12.2026]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[5.12.2026]
Cteni1=Gn 1,1-5
Perikopa=Mt 7,24-29

[6.12.2026]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=J 15,1-8
Perikopa=Mk 4,35-41

[8.12.2026]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[9.12.2026]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34

[10.12.2026]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[11.12.2026]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[12.12.2026]
Cteni1=Mi 5,1-4

[13.12.2026]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[14.12.2026]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[15.12.2026]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[16.12.2026]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18

[18.12.2026]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[19.12.2026]
Cteni1=Iz 52,7-10

[20.12.2026]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34
Perikopa=L 24,13-35

[21.12.2026]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[22.12.2026]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[23.12.2026]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14

[24.12.2026]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[25.12.2026]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[26.12.2026]
Cteni1=Ex 3,1-15

[28.12.2026]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[29.12.2026]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[30.12.2026]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[31.12.2026]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[1.1.2027]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[2.1.2027]
Cteni1=Iz 52,7-10

[3.1.2027]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20
Perikopa=J 11,17-27

[4.1.2027]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[5.1.2027]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[6.1.2027]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37

[8.1.2027]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[9.1.2027]
Cteni1=Ex 3,1-15

[10.1.2027]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[11.1.2027]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[12.1.2027]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[13.1.2027]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34

[14.1.2027]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[15.1.2027]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[16.1.2027]
Cteni1=Ž 23

[18.1.2027]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[19.1.2027]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[20.1.2027]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[21.1.2027]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[22.1.2027]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[23.1.2027]
Cteni1=Jr 31,31-34

[24.1.2027]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34
Perikopa=L 15,11-32

[25.1.2027]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[26.1.2027]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[28.1.2027]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[29.1.2027]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[30.1.2027]
Cteni1=Dt 6,4-9
Perikopa=L 15,11-32

[31.1.2027]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[1.2.2027]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[2.2.2027]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[3.2.2027]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12

[4.2.2027]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[5.2.2027]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[6.2.2027]
Cteni1=Ž 121

[8.2.2027]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[9.2.2027]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[10.2.2027]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[11.2.2027]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[12.2.2027]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[13.2.2027]
Cteni1=Ez 36,24-28

[14.2.2027]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[15.2.2027]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[16.2.2027]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[18.2.2027]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[19.2.2027]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[20.2.2027]
Cteni1=Iz 40,1-11
Perikopa=J 11,17-27

[21.2.2027]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[22.2.2027]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[23.2.2027]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[24.2.2027]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29

[25.2.2027]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[26.2.2027]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[28.2.2027]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[1.3.2027]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[2.3.2027]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[3.3.2027]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14

[4.3.2027]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[5.3.2027]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[6.3.2027]
Cteni1=Mi 5,1-4

[8.3.2027]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[9.3.2027]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[10.3.2027]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=J 11,17-27

[11.3.2027]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[12.3.2027]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[13.3.2027]
Cteni1=Iz 52,7-10

[14.3.2027]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=L 24,13-35

[15.3.2027]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[16.3.2027]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[18.3.2027]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[19.3.2027]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[20.3.2027]
Cteni1=Ex 3,1-15
Perikopa=L 24,13-35

[21.3.2027]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20
Perikopa=J 2,1-11

[22.3.2027]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[23.3.2027]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[24.3.2027]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37

[25.3.2027]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[26.3.2027]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[28.3.2027]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=J 15,1-8
Perikopa=J 11,17-27

[29.3.2027]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[30.3.2027]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[31.3.2027]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34

[1.4.2027]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[2.4.2027]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[3.4.2027]
Cteni1=Jr 31,31-34

[4.4.2027]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[5.4.2027]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[6.4.2027]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[8.4.2027]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[9.4.2027]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[10.4.2027]
Cteni1=Dt 6,4-9
Perikopa=Mt 7,24-29

[11.4.2027]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=Mt 6,25-34
Perikopa=Mk 4,35-41

[12.4.2027]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[13.4.2027]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[14.4.2027]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=L 2,1-14

[15.4.2027]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[16.4.2027]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[18.4.2027]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[19.4.2027]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[20.4.2027]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[21.4.2027]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12

[22.4.2027]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[23.4.2027]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[24.4.2027]
Cteni1=Ez 36,24-28

[25.4.2027]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[26.4.2027]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[28.4.2027]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21

[29.4.2027]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[30.4.2027]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[1.5.2027]
Cteni1=Iz 40,1-11

[2.5.2027]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[3.5.2027]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[4.5.2027]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[5.5.2027]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[6.5.2027]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[8.5.2027]
Cteni1=Gn 1,1-5

[9.5.2027]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[10.5.2027]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[11.5.2027]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[12.5.2027]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29

[13.5.2027]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[14.5.2027]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[15.5.2027]
Cteni1=Mi 5,1-4
Perikopa=J 11,17-27

[16.5.2027]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=Mk 10,13-16
Perikopa=Mt 7,24-29

[18.5.2027]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[19.5.2027]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=J 1,1-14

[20.5.2027]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[21.5.2027]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[22.5.2027]
Cteni1=Iz 52,7-10

[23.5.2027]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29
Perikopa=Mk 4,35-41

[24.5.2027]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[25.5.2027]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[26.5.2027]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20

[28.5.2027]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[29.5.2027]
Cteni1=Ex 3,1-15

[30.5.2027]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[31.5.2027]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[1.6.2027]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[2.6.2027]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8

[3.6.2027]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[4.6.2027]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[5.6.2027]
Cteni1=Ž 23
Perikopa=L 15,11-32

[6.6.2027]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=Mk 1,14-20
Perikopa=L 24,13-35

[8.6.2027]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[9.6.2027]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37

[10.6.2027]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[11.6.2027]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[12.6.2027]
Cteni1=Jr 31,31-34

[13.6.2027]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[14.6.2027]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[15.6.2027]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[16.6.2027]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34

[18.6.2027]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[19.6.2027]
Cteni1=Dt 6,4-9

[20.6.2027]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[21.6.2027]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[22.6.2027]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[23.6.2027]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 10,11-18

[24.6.2027]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[25.6.2027]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[26.6.2027]
Cteni1=Ž 121

[28.6.2027]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[29.6.2027]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[30.6.2027]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[1.7.2027]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[2.7.2027]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[3.7.2027]
Cteni1=Ez 36,24-28

[4.7.2027]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[5.7.2027]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[6.7.2027]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[8.7.2027]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[9.7.2027]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[10.7.2027]
Cteni1=Iz 40,1-11
Perikopa=Mk 4,35-41

[11.7.2027]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=L 2,1-14
Perikopa=L 15,11-32

[12.7.2027]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[13.7.2027]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[14.7.2027]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21

[15.7.2027]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[16.7.2027]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[18.7.2027]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[19.7.2027]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[20.7.2027]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[21.7.2027]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16

[22.7.2027]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[23.7.2027]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[24.7.2027]
Cteni1=Mi 5,1-4

[25.7.2027]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[26.7.2027]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[28.7.2027]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29

[29.7.2027]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[30.7.2027]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[31.7.2027]
Cteni1=Iz 52,7-10

[1.8.2027]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=Mk 10,13-16
Perikopa=J 11,17-27

[2.8.2027]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[3.8.2027]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[4.8.2027]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14

[5.8.2027]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[6.8.2027]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[8.8.2027]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[9.8.2027]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[10.8.2027]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[11.8.2027]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20

[12.8.2027]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[13.8.2027]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[14.8.2027]
Cteni1=Ž 23

[15.8.2027]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14
Perikopa=Mk 4,35-41

[16.8.2027]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[18.8.2027]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=J 15,1-8

[19.8.2027]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[20.8.2027]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[21.8.2027]
Cteni1=Jr 31,31-34

[22.8.2027]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[23.8.2027]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[24.8.2027]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[25.8.2027]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[26.8.2027]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[28.8.2027]
Cteni1=Dt 6,4-9

[29.8.2027]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[30.8.2027]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[31.8.2027]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[1.9.2027]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34

[2.9.2027]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[3.9.2027]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[4.9.2027]
Cteni1=Ž 121

[5.9.2027]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[6.9.2027]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[8.9.2027]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18

[9.9.2027]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[10.9.2027]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[11.9.2027]
Cteni1=Ez 36,24-28

[12.9.2027]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[13.9.2027]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[14.9.2027]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[15.9.2027]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=L 2,1-14
Perikopa=L 15,11-32

[16.9.2027]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[18.9.2027]
Cteni1=Iz 40,1-11

[19.9.2027]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[20.9.2027]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[21.9.2027]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[22.9.2027]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12

[23.9.2027]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[24.9.2027]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[25.9.2027]
Cteni1=Gn 1,1-5
Perikopa=Mt 7,24-29

[26.9.2027]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[28.9.2027]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[29.9.2027]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21

[30.9.2027]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[1.10.2027]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[2.10.2027]
Cteni1=Mi 5,1-4

[3.10.2027]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[4.10.2027]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[5.10.2027]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[6.10.2027]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16

[8.10.2027]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[9.10.2027]
Cteni1=Iz 52,7-10

[10.10.2027]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[11.10.2027]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[12.10.2027]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[13.10.2027]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29

[14.10.2027]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[15.10.2027]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[16.10.2027]
Cteni1=Ex 3,1-15

[18.10.2027]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[19.10.2027]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[20.10.2027]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=J 1,1-14
Perikopa=Mk 4,35-41

[21.10.2027]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[22.10.2027]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[23.10.2027]
Cteni1=Ž 23

[24.10.2027]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[25.10.2027]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[26.10.2027]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[28.10.2027]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[29.10.2027]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[30.10.2027]
Cteni1=Jr 31,31-34
Perikopa=J 11,17-27

[31.10.2027]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[1.11.2027]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[2.11.2027]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[3.11.2027]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8

[4.11.2027]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[5.11.2027]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[6.11.2027]
Cteni1=Dt 6,4-9

[8.11.2027]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[9.11.2027]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[10.11.2027]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[11.11.2027]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[12.11.2027]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[13.11.2027]
Cteni1=Ž 121

[14.11.2027]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[15.11.2027]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[16.11.2027]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[18.11.2027]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[19.11.2027]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[20.11.2027]
Cteni1=Ez 36,24-28
Perikopa=L 15,11-32

[21.11.2027]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[22.11.2027]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[23.11.2027]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[24.11.2027]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18

[25.11.2027]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[26.11.2027]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[28.11.2027]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[29.11.2027]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[30.11.2027]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[1.12.2027]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14

[2.12.2027]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[3.12.2027]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[4.12.2027]
Cteni1=Gn 1,1-5

[5.12.2027]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18
Perikopa=J 11,17-27

[6.12.2027]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[8.12.2027]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12

[9.12.2027]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[10.12.2027]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[11.12.2027]
Cteni1=Mi 5,1-4

[12.12.2027]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[13.12.2027]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[14.12.2027]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[15.12.2027]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[16.12.2027]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[18.12.2027]
Cteni1=Iz 52,7-10

[19.12.2027]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[20.12.2027]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[21.12.2027]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[22.12.2027]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16

[23.12.2027]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[24.12.2027]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[25.12.2027]
Cteni1=Ex 3,1-15
Perikopa=Mk 4,35-41

[26.12.2027]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[28.12.2027]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[29.12.2027]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 20,24-29

[30.12.2027]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[31.12.2027]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[1.1.2028]
Cteni1=Iz 52,7-10

[2.1.2028]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34
Perikopa=L 24,13-35

[3.1.2028]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[4.1.2028]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[5.1.2028]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[6.1.2028]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[8.1.2028]
Cteni1=Ex 3,1-15

[9.1.2028]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[10.1.2028]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[11.1.2028]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[12.1.2028]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12

[13.1.2028]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[14.1.2028]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[15.1.2028]
Cteni1=Ž 23
Perikopa=J 2,1-11

[16.1.2028]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[18.1.2028]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[19.1.2028]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=J 3,16-21

[20.1.2028]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[21.1.2028]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[22.1.2028]
Cteni1=Jr 31,31-34

[23.1.2028]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12
Perikopa=Mt 7,24-29

[24.1.2028]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[25.1.2028]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[26.1.2028]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=Mk 10,13-16

[28.1.2028]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[29.1.2028]
Cteni1=Dt 6,4-9

[30.1.2028]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[31.1.2028]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[1.2.2028]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[2.2.2028]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29

[3.2.2028]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[4.2.2028]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[5.2.2028]
Cteni1=Ž 121
Perikopa=Mk 4,35-41

[6.2.2028]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16
Perikopa=L 15,11-32

[8.2.2028]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[9.2.2028]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14

[10.2.2028]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[11.2.2028]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[12.2.2028]
Cteni1=Ez 36,24-28

[13.2.2028]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29
Perikopa=L 24,13-35

[14.2.2028]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[15.2.2028]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[16.2.2028]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=Mk 1,14-20

[18.2.2028]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[19.2.2028]
Cteni1=Iz 40,1-11

[20.2.2028]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[21.2.2028]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[22.2.2028]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[23.2.2028]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8

[24.2.2028]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[25.2.2028]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[26.2.2028]
Cteni1=Gn 1,1-5

[28.2.2028]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[29.2.2028]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[1.3.2028]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37

[2.3.2028]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[3.3.2028]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[4.3.2028]
Cteni1=Mi 5,1-4

[5.3.2028]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[6.3.2028]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[8.3.2028]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34

[9.3.2028]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[10.3.2028]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[11.3.2028]
Cteni1=Iz 52,7-10

[12.3.2028]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37
Perikopa=Mk 4,35-41

[13.3.2028]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[14.3.2028]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[15.3.2028]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[16.3.2028]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[18.3.2028]
Cteni1=Ex 3,1-15

[19.3.2028]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=L 15,11-32

[20.3.2028]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[21.3.2028]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[22.3.2028]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=L 2,1-14

[23.3.2028]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[24.3.2028]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[25.3.2028]
Cteni1=Ž 23
Perikopa=L 15,11-32

[26.3.2028]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[28.3.2028]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[29.3.2028]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12

[30.3.2028]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[31.3.2028]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[1.4.2028]
Cteni1=Jr 31,31-34

[2.4.2028]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=L 2,1-14
Perikopa=J 2,1-11

[3.4.2028]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[4.4.2028]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[5.4.2028]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[6.4.2028]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[8.4.2028]
Cteni1=Dt 6,4-9

[9.4.2028]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[10.4.2028]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[11.4.2028]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[12.4.2028]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=Mk 10,13-16

[13.4.2028]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[14.4.2028]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[15.4.2028]
Cteni1=Ž 121
Perikopa=J 11,17-27

[16.4.2028]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[18.4.2028]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[19.4.2028]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29

[20.4.2028]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[21.4.2028]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[22.4.2028]
Cteni1=Ez 36,24-28

[23.4.2028]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[24.4.2028]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[25.4.2028]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[26.4.2028]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14

[28.4.2028]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[29.4.2028]
Cteni1=Iz 40,1-11

[30.4.2028]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[1.5.2028]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[2.5.2028]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[3.5.2028]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20

[4.5.2028]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[5.5.2028]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[6.5.2028]
Cteni1=Gn 1,1-5

[8.5.2028]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[9.5.2028]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[10.5.2028]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[11.5.2028]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[12.5.2028]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[13.5.2028]
Cteni1=Mi 5,1-4

[14.5.2028]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20
Perikopa=J 2,1-11

[15.5.2028]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[16.5.2028]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[18.5.2028]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[19.5.2028]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[20.5.2028]
Cteni1=Iz 52,7-10
Perikopa=J 2,1-11

[21.5.2028]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8
Perikopa=J 11,17-27

[22.5.2028]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[23.5.2028]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[24.5.2028]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34

[25.5.2028]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[26.5.2028]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[28.5.2028]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[29.5.2028]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[30.5.2028]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[31.5.2028]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18

[1.6.2028]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[2.6.2028]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[3.6.2028]
Cteni1=Ž 23

[4.6.2028]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34
Perikopa=Mk 4,35-41

[5.6.2028]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[6.6.2028]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[8.6.2028]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[9.6.2028]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[10.6.2028]
Cteni1=Jr 31,31-34
Perikopa=Mk 4,35-41

[11.6.2028]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[12.6.2028]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[13.6.2028]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[14.6.2028]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12

[15.6.2028]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[16.6.2028]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[18.6.2028]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[19.6.2028]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[20.6.2028]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[21.6.2028]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21

[22.6.2028]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[23.6.2028]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[24.6.2028]
Cteni1=Ž 121

[25.6.2028]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[26.6.2028]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[28.6.2028]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16

[29.6.2028]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[30.6.2028]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[1.7.2028]
Cteni1=Ez 36,24-28

[2.7.2028]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[3.7.2028]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[4.7.2028]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[5.7.2028]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[6.7.2028]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[8.7.2028]
Cteni1=Iz 40,1-11

[9.7.2028]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16
Perikopa=Mt 7,24-29

[10.7.2028]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[11.7.2028]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[12.7.2028]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14

[13.7.2028]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[14.7.2028]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[15.7.2028]
Cteni1=Gn 1,1-5
Perikopa=Mt 7,24-29

[16.7.2028]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29
Perikopa=Mk 4,35-41

[18.7.2028]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[19.7.2028]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20

[20.7.2028]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[21.7.2028]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[22.7.2028]
Cteni1=Mi 5,1-4

[23.7.2028]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[24.7.2028]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[25.7.2028]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[26.7.2028]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=J 15,1-8

[28.7.2028]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[29.7.2028]
Cteni1=Iz 52,7-10

[30.7.2028]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20
Perikopa=L 24,13-35

[31.7.2028]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[1.8.2028]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[2.8.2028]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37

[3.8.2028]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[4.8.2028]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[5.8.2028]
Cteni1=Ex 3,1-15
Perikopa=L 24,13-35

[6.8.2028]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[8.8.2028]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[9.8.2028]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34

[10.8.2028]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[11.8.2028]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[12.8.2028]
Cteni1=Ž 23

[13.8.2028]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[14.8.2028]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[15.8.2028]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[16.8.2028]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18

[18.8.2028]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[19.8.2028]
Cteni1=Jr 31,31-34

[20.8.2028]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[21.8.2028]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[22.8.2028]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[23.8.2028]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14

[24.8.2028]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[25.8.2028]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[26.8.2028]
Cteni1=Dt 6,4-9

[28.8.2028]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[29.8.2028]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[30.8.2028]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[31.8.2028]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[1.9.2028]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[2.9.2028]
Cteni1=Ž 121

[3.9.2028]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=L 2,1-14
Perikopa=L 15,11-32

[4.9.2028]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[5.9.2028]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[6.9.2028]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21

[8.9.2028]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[9.9.2028]
Cteni1=Ez 36,24-28

[10.9.2028]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[11.9.2028]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[12.9.2028]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[13.9.2028]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=Mk 10,13-16

[14.9.2028]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[15.9.2028]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[16.9.2028]
Cteni1=Iz 40,1-11

[18.9.2028]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[19.9.2028]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[20.9.2028]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=J 20,24-29
Perikopa=Mk 4,35-41

[21.9.2028]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[22.9.2028]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[23.9.2028]
Cteni1=Gn 1,1-5

[24.9.2028]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16
Perikopa=J 11,17-27

[25.9.2028]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[26.9.2028]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[28.9.2028]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[29.9.2028]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[30.9.2028]
Cteni1=Mi 5,1-4
Perikopa=J 11,17-27

[1.10.2028]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[2.10.2028]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[3.10.2028]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[4.10.2028]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=Mk 1,14-20

[5.10.2028]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[6.10.2028]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[8.10.2028]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=J 1,1-14
Perikopa=Mk 4,35-41

[9.10.2028]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[10.10.2028]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[11.10.2028]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8

[12.10.2028]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[13.10.2028]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[14.10.2028]
Cteni1=Ex 3,1-15

[15.10.2028]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[16.10.2028]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[18.10.2028]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37

[19.10.2028]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[20.10.2028]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[21.10.2028]
Cteni1=Ž 23

[22.10.2028]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[23.10.2028]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[24.10.2028]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[25.10.2028]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[26.10.2028]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[28.10.2028]
Cteni1=Jr 31,31-34

[29.10.2028]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[30.10.2028]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[31.10.2028]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[1.11.2028]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18

[2.11.2028]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[3.11.2028]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[4.11.2028]
Cteni1=Dt 6,4-9

[5.11.2028]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[6.11.2028]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[8.11.2028]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14

[9.11.2028]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[10.11.2028]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[11.11.2028]
Cteni1=Ž 121

[12.11.2028]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[13.11.2028]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[14.11.2028]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[15.11.2028]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[16.11.2028]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[18.11.2028]
Cteni1=Ez 36,24-28

[19.11.2028]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[20.11.2028]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[21.11.2028]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[22.11.2028]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=J 3,16-21

[23.11.2028]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[24.11.2028]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[25.11.2028]
Cteni1=Iz 40,1-11
Perikopa=Mk 4,35-41

[26.11.2028]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[28.11.2028]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[29.11.2028]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16

[30.11.2028]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[1.12.2028]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[2.12.2028]
Cteni1=Gn 1,1-5

[3.12.2028]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[4.12.2028]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[5.12.2028]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[6.12.2028]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29

[8.12.2028]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[9.12.2028]
Cteni1=Mi 5,1-4

[10.12.2028]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[11.12.2028]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[12.12.2028]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[13.12.2028]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14

[14.12.2028]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[15.12.2028]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[16.12.2028]
Cteni1=Iz 52,7-10

[18.12.2028]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[19.12.2028]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[20.12.2028]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[21.12.2028]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[22.12.2028]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[23.12.2028]
Cteni1=Ex 3,1-15

[24.12.2028]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[25.12.2028]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[26.12.2028]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[28.12.2028]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[29.12.2028]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[30.12.2028]
Cteni1=Ž 23
Perikopa=Mt 7,24-29

[31.12.2028]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[1.1.2029]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[2.1.2029]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[3.1.2029]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20

[4.1.2029]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[5.1.2029]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[6.1.2029]
Cteni1=Gn 1,1-5

[8.1.2029]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[9.1.2029]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[10.1.2029]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=J 15,1-8
Perikopa=J 2,1-11

[11.1.2029]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[12.1.2029]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[13.1.2029]
Cteni1=Mi 5,1-4

[14.1.2029]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[15.1.2029]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[16.1.2029]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[18.1.2029]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[19.1.2029]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[20.1.2029]
Cteni1=Iz 52,7-10
Perikopa=L 15,11-32

[21.1.2029]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8
Perikopa=L 24,13-35

[22.1.2029]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[23.1.2029]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[24.1.2029]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34

[25.1.2029]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[26.1.2029]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[28.1.2029]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[29.1.2029]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[30.1.2029]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[31.1.2029]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18

[1.2.2029]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[2.2.2029]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[3.2.2029]
Cteni1=Ž 23

[4.2.2029]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[5.2.2029]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[6.2.2029]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[8.2.2029]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[9.2.2029]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[10.2.2029]
Cteni1=Jr 31,31-34
Perikopa=J 11,17-27

[11.2.2029]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18
Perikopa=Mt 7,24-29

[12.2.2029]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[13.2.2029]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[14.2.2029]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12

[15.2.2029]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[16.2.2029]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[18.2.2029]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[19.2.2029]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[20.2.2029]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[21.2.2029]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21

[22.2.2029]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[23.2.2029]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[24.2.2029]
Cteni1=Ž 121

[25.2.2029]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[26.2.2029]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[28.2.2029]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16

[1.3.2029]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[2.3.2029]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[3.3.2029]
Cteni1=Ez 36,24-28

[4.3.2029]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[5.3.2029]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[6.3.2029]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[8.3.2029]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[9.3.2029]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[10.3.2029]
Cteni1=Iz 40,1-11
Perikopa=L 24,13-35

[11.3.2029]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[12.3.2029]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[13.3.2029]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[14.3.2029]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=J 1,1-14

[15.3.2029]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[16.3.2029]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[18.3.2029]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[19.3.2029]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[20.3.2029]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[21.3.2029]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20

[22.3.2029]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[23.3.2029]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[24.3.2029]
Cteni1=Mi 5,1-4

[25.3.2029]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[26.3.2029]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[28.3.2029]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=J 15,1-8

[29.3.2029]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[30.3.2029]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[31.3.2029]
Cteni1=Iz 52,7-10

[1.4.2029]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[2.4.2029]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[3.4.2029]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[4.4.2029]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37

[5.4.2029]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[6.4.2029]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[8.4.2029]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[9.4.2029]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[10.4.2029]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[11.4.2029]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34

[12.4.2029]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[13.4.2029]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[14.4.2029]
Cteni1=Ž 23

[15.4.2029]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[16.4.2029]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[18.4.2029]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Cteni3=J 10,11-18

[19.4.2029]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[20.4.2029]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[21.4.2029]
Cteni1=Jr 31,31-34

[22.4.2029]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[23.4.2029]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[24.4.2029]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[25.4.2029]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[26.4.2029]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[28.4.2029]
Cteni1=Dt 6,4-9

[29.4.2029]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18
Perikopa=J 11,17-27

[30.4.2029]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[1.5.2029]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[2.5.2029]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12

[3.5.2029]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[4.5.2029]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[5.5.2029]
Cteni1=Ž 121
Perikopa=J 11,17-27

[6.5.2029]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[8.5.2029]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[9.5.2029]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21

[10.5.2029]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[11.5.2029]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[12.5.2029]
Cteni1=Ez 36,24-28

[13.5.2029]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12
Perikopa=Mk 4,35-41

[14.5.2029]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[15.5.2029]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[16.5.2029]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16

[18.5.2029]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[19.5.2029]
Cteni1=Iz 40,1-11

[20.5.2029]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[21.5.2029]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[22.5.2029]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[23.5.2029]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=J 20,24-29

[24.5.2029]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[25.5.2029]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[26.5.2029]
Cteni1=Gn 1,1-5

[28.5.2029]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7

[29.5.2029]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[30.5.2029]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[31.5.2029]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[1.6.2029]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[2.6.2029]
Cteni1=Mi 5,1-4

[3.6.2029]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=J 20,24-29
Perikopa=J 2,1-11

[4.6.2029]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[5.6.2029]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[6.6.2029]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20

[8.6.2029]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[9.6.2029]
Cteni1=Iz 52,7-10

[10.6.2029]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[11.6.2029]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[12.6.2029]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[13.6.2029]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=J 15,1-8

[14.6.2029]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[15.6.2029]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[16.6.2029]
Cteni1=Ex 3,1-15

[18.6.2029]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6

[19.6.2029]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[20.6.2029]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[21.6.2029]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[22.6.2029]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[23.6.2029]
Cteni1=Ž 23

[24.6.2029]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8
Perikopa=Mk 4,35-41

[25.6.2029]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[26.6.2029]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[28.6.2029]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[29.6.2029]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[30.6.2029]
Cteni1=Jr 31,31-34
Perikopa=Mk 4,35-41

[1.7.2029]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[2.7.2029]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[3.7.2029]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[4.7.2029]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=J 10,11-18

[5.7.2029]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[6.7.2029]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[8.7.2029]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34
Perikopa=L 24,13-35

[9.7.2029]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[10.7.2029]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[11.7.2029]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14

[12.7.2029]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[13.7.2029]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[14.7.2029]
Cteni1=Ž 121

[15.7.2029]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[16.7.2029]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[18.7.2029]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13
Cteni3=Mt 5,1-12

[19.7.2029]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[20.7.2029]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[21.7.2029]
Cteni1=Ez 36,24-28

[22.7.2029]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[23.7.2029]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[24.7.2029]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[25.7.2029]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[26.7.2029]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[28.7.2029]
Cteni1=Iz 40,1-11

[29.7.2029]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12
Perikopa=Mt 7,24-29

[30.7.2029]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[31.7.2029]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[1.8.2029]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=Mk 10,13-16

[2.8.2029]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[3.8.2029]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[4.8.2029]
Cteni1=Gn 1,1-5

[5.8.2029]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[6.8.2029]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[8.8.2029]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29

[9.8.2029]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[10.8.2029]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[11.8.2029]
Cteni1=Mi 5,1-4

[12.8.2029]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16
Perikopa=L 15,11-32

[13.8.2029]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[14.8.2029]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[15.8.2029]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[16.8.2029]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10

[18.8.2029]
Cteni1=Iz 52,7-10

[19.8.2029]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29
Perikopa=L 24,13-35

[20.8.2029]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[21.8.2029]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[22.8.2029]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=Mk 1,14-20

[23.8.2029]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[24.8.2029]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[25.8.2029]
Cteni1=Ex 3,1-15
Perikopa=L 24,13-35

[26.8.2029]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[28.8.2029]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[29.8.2029]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8

[30.8.2029]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[31.8.2029]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[1.9.2029]
Cteni1=Ž 23

[2.9.2029]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=J 11,17-27

[3.9.2029]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[4.9.2029]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[5.9.2029]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[6.9.2029]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[8.9.2029]
Cteni1=Jr 31,31-34

[9.9.2029]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[10.9.2029]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[11.9.2029]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[12.9.2029]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34

[13.9.2029]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[14.9.2029]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[15.9.2029]
Cteni1=Dt 6,4-9
Perikopa=Mt 7,24-29

[16.9.2029]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37
Perikopa=Mk 4,35-41

[18.9.2029]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[19.9.2029]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=J 10,11-18

[20.9.2029]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[21.9.2029]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[22.9.2029]
Cteni1=Ž 121

[23.9.2029]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=L 15,11-32

[24.9.2029]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[25.9.2029]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[26.9.2029]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=L 2,1-14

[28.9.2029]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[29.9.2029]
Cteni1=Ez 36,24-28

[30.9.2029]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[1.10.2029]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[2.10.2029]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[3.10.2029]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12

[4.10.2029]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[5.10.2029]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[6.10.2029]
Cteni1=Iz 40,1-11

[8.10.2029]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[9.10.2029]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[10.10.2029]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[11.10.2029]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[12.10.2029]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[13.10.2029]
Cteni1=Gn 1,1-5

[14.10.2029]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[15.10.2029]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[16.10.2029]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[18.10.2029]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[19.10.2029]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[20.10.2029]
Cteni1=Mi 5,1-4
Perikopa=J 11,17-27

[21.10.2029]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[22.10.2029]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[23.10.2029]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12

[24.10.2029]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29

[25.10.2029]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[26.10.2029]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[28.10.2029]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[29.10.2029]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[30.10.2029]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[31.10.2029]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14

[1.11.2029]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[2.11.2029]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[3.11.2029]
Cteni1=Ex 3,1-15

[4.11.2029]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[5.11.2029]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[6.11.2029]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[8.11.2029]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[9.11.2029]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[10.11.2029]
Cteni1=Ž 23
Perikopa=L 15,11-32

[11.11.2029]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=J 1,1-14
Perikopa=L 24,13-35

[12.11.2029]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[13.11.2029]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[14.11.2029]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8

[15.11.2029]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[16.11.2029]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[18.11.2029]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20
Perikopa=J 2,1-11

[19.11.2029]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[20.11.2029]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[21.11.2029]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=L 10,25-37

[22.11.2029]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[23.11.2029]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[24.11.2029]
Cteni1=Dt 6,4-9

[25.11.2029]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17
Cteni3=J 15,1-8
Perikopa=J 11,17-27

[26.11.2029]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[28.11.2029]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=Mt 6,25-34

[29.11.2029]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[30.11.2029]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[1.12.2029]
Cteni1=Ž 121

[2.12.2029]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37
Perikopa=Mt 7,24-29

[3.12.2029]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[4.12.2029]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[5.12.2029]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[6.12.2029]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[8.12.2029]
Cteni1=Ez 36,24-28

[9.12.2029]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34
Perikopa=Mk 4,35-41

[10.12.2029]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[11.12.2029]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[12.12.2029]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=L 2,1-14

[13.12.2029]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[14.12.2029]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[15.12.2029]
Cteni1=Iz 40,1-11
Perikopa=Mk 4,35-41

[16.12.2029]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=J 10,11-18
Perikopa=L 15,11-32

[18.12.2029]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[19.12.2029]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12

[20.12.2029]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[21.12.2029]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[22.12.2029]
Cteni1=Gn 1,1-5

[23.12.2029]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14
Perikopa=L 24,13-35

[24.12.2029]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[25.12.2029]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[26.12.2029]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21

[28.12.2029]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[29.12.2029]
Cteni1=Mi 5,1-4

[30.12.2029]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12
Perikopa=J 2,1-11

[31.12.2029]
Cteni1=Ž 121
Cteni2=Ko 3,12-17

[1.1.2030]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[2.1.2030]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=Mt 6,25-34

[3.1.2030]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[4.1.2030]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[5.1.2030]
Cteni1=Gn 1,1-5
Perikopa=J 2,1-11

[6.1.2030]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=J 11,17-27

[8.1.2030]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[9.1.2030]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=J 10,11-18

[10.1.2030]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[11.1.2030]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[12.1.2030]
Cteni1=Mi 5,1-4

[13.1.2030]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[14.1.2030]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[15.1.2030]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[16.1.2030]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=L 2,1-14

[18.1.2030]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[19.1.2030]
Cteni1=Iz 52,7-10

[20.1.2030]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18
Perikopa=Mk 4,35-41

[21.1.2030]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[22.1.2030]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[23.1.2030]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=Mt 5,1-12

[24.1.2030]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[25.1.2030]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[26.1.2030]
Cteni1=Ex 3,1-15

[28.1.2030]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10

[29.1.2030]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[30.1.2030]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Cteni3=J 3,16-21
Perikopa=J 11,17-27

[31.1.2030]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[1.2.2030]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[2.2.2030]
Cteni1=Ž 23

[3.2.2030]
Cteni1=Ž 121
Cteni2=Ø 8,28-39
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[4.2.2030]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[5.2.2030]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[6.2.2030]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=Mk 10,13-16

[8.2.2030]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[9.2.2030]
Cteni1=Jr 31,31-34

[10.2.2030]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21
Perikopa=J 2,1-11

[11.2.2030]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[12.2.2030]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[13.2.2030]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=J 20,24-29

[14.2.2030]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[15.2.2030]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[16.2.2030]
Cteni1=Dt 6,4-9

[18.2.2030]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24

[19.2.2030]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6

[20.2.2030]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12
Cteni3=J 1,1-14
Perikopa=L 15,11-32

[21.2.2030]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[22.2.2030]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[23.2.2030]
Cteni1=Ž 121

[24.2.2030]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29
Perikopa=Mt 7,24-29

[25.2.2030]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[26.2.2030]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17

[28.2.2030]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6

[1.3.2030]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[2.3.2030]
Cteni1=Ez 36,24-28

[3.3.2030]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Cteni3=J 1,1-14
Perikopa=Mk 4,35-41

[4.3.2030]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[5.3.2030]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[6.3.2030]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=J 15,1-8

[8.3.2030]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[9.3.2030]
Cteni1=Iz 40,1-11

[10.3.2030]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[11.3.2030]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[12.3.2030]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13

[13.3.2030]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=L 10,25-37

[14.3.2030]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[15.3.2030]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[16.3.2030]
Cteni1=Gn 1,1-5

[18.3.2030]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[19.3.2030]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12

[20.3.2030]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=Mt 6,25-34
Perikopa=Mt 7,24-29

[21.3.2030]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[22.3.2030]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26

[23.3.2030]
Cteni1=Mi 5,1-4

[24.3.2030]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Cteni3=L 10,25-37
Perikopa=J 2,1-11

[25.3.2030]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[26.3.2030]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[28.3.2030]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[29.3.2030]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[30.3.2030]
Cteni1=Iz 52,7-10
Perikopa=J 2,1-11

[31.3.2030]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[1.4.2030]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10

[2.4.2030]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[3.4.2030]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=L 2,1-14

[4.4.2030]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[5.4.2030]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[6.4.2030]
Cteni1=Ex 3,1-15

[8.4.2030]
Cteni1=Iz 40,1-11
Cteni2=1K 13,1-13

[9.4.2030]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[10.4.2030]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10
Cteni3=Mt 5,1-12
Perikopa=L 24,13-35

[11.4.2030]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[12.4.2030]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[13.4.2030]
Cteni1=Ž 23

[14.4.2030]
Cteni1=Ž 121
Cteni2=Žd 11,1-6
Cteni3=L 2,1-14
Perikopa=Mk 4,35-41

[15.4.2030]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[16.4.2030]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39

[18.4.2030]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26

[19.4.2030]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[20.4.2030]
Cteni1=Jr 31,31-34
Perikopa=Mk 4,35-41

[21.4.2030]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17
Cteni3=Mt 5,1-12
Perikopa=L 15,11-32

[22.4.2030]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24

[23.4.2030]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[24.4.2030]
Cteni1=Ž 121
Cteni2=1J 4,7-12
Cteni3=Mk 10,13-16

[25.4.2030]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Perikopa=Mt 7,24-29

[26.4.2030]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13

[28.4.2030]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Cteni3=J 3,16-21
Perikopa=L 24,13-35

[29.4.2030]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7

[30.4.2030]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[1.5.2030]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Cteni3=J 20,24-29

[2.5.2030]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[3.5.2030]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[4.5.2030]
Cteni1=Ž 121

[5.5.2030]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[6.5.2030]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26

[8.5.2030]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7
Cteni3=J 1,1-14

[9.5.2030]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17

[10.5.2030]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[11.5.2030]
Cteni1=Ez 36,24-28

[12.5.2030]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12
Cteni3=J 20,24-29
Perikopa=J 11,17-27

[13.5.2030]
Cteni1=Ž 23
Cteni2=Ø 8,28-39

[14.5.2030]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[15.5.2030]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26
Cteni3=Mk 1,14-20
Perikopa=L 15,11-32

[16.5.2030]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[18.5.2030]
Cteni1=Iz 40,1-11

[19.5.2030]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Cteni3=J 1,1-14
Perikopa=Mt 7,24-29

[20.5.2030]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[21.5.2030]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[22.5.2030]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Cteni3=J 15,1-8

[23.5.2030]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[24.5.2030]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[25.5.2030]
Cteni1=Gn 1,1-5
Perikopa=Mt 7,24-29

[26.5.2030]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7
Cteni3=Mk 1,14-20
Perikopa=Mk 4,35-41

[28.5.2030]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[29.5.2030]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Cteni3=L 10,25-37

[30.5.2030]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[31.5.2030]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[1.6.2030]
Cteni1=Mi 5,1-4

[2.6.2030]
Cteni1=Ž 23
Cteni2=Ga 5,22-26
Cteni3=J 15,1-8
Perikopa=L 15,11-32

[3.6.2030]
Cteni1=Ž 121
Cteni2=Ef 2,4-10

[4.6.2030]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[5.6.2030]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17
Cteni3=Mt 6,25-34
Perikopa=J 11,17-27

[6.6.2030]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[8.6.2030]
Cteni1=Iz 52,7-10

[9.6.2030]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39
Cteni3=L 10,25-37
Perikopa=L 24,13-35

[10.6.2030]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Perikopa=J 2,1-11

[11.6.2030]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[12.6.2030]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Cteni3=J 10,11-18

[13.6.2030]
Cteni1=Ž 121
Cteni2=Fp 4,4-7

[14.6.2030]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[15.6.2030]
Cteni1=Ex 3,1-15
Perikopa=L 24,13-35

[16.6.2030]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6
Cteni3=Mt 6,25-34
Perikopa=J 2,1-11

[18.6.2030]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[19.6.2030]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13
Cteni3=L 2,1-14

[20.6.2030]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Perikopa=L 15,11-32

[21.6.2030]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[22.6.2030]
Cteni1=Ž 23

[23.6.2030]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Cteni3=J 10,11-18
Perikopa=J 11,17-27

[24.6.2030]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24

[25.6.2030]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[26.6.2030]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12
Cteni3=Mt 5,1-12

[28.6.2030]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[29.6.2030]
Cteni1=Jr 31,31-34

[30.6.2030]
Cteni1=Ez 36,24-28
Cteni2=Ef 2,4-10
Cteni3=L 2,1-14
Perikopa=Mt 7,24-29

[1.7.2030]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7

[2.7.2030]
Cteni1=Ž 23
Cteni2=Ko 3,12-17

[3.7.2030]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Cteni3=J 3,16-21

[4.7.2030]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

[5.7.2030]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12
Perikopa=J 11,17-27

[6.7.2030]
Cteni1=Dt 6,4-9

[8.7.2030]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26

[9.7.2030]
Cteni1=Jr 31,31-34
Cteni2=Ef 2,4-10

[10.7.2030]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7
Cteni3=Mk 10,13-16
Perikopa=J 2,1-11

[11.7.2030]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17

[12.7.2030]
Cteni1=Ž 23
Cteni2=1Te 5,16-24

[13.7.2030]
Cteni1=Ž 121

[14.7.2030]
Cteni1=Gn 1,1-5
Cteni2=1J 4,7-12
Cteni3=J 3,16-21
Perikopa=L 15,11-32

[15.7.2030]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[16.7.2030]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[18.7.2030]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10

[19.7.2030]
Cteni1=Jr 31,31-34
Cteni2=Fp 4,4-7

[20.7.2030]
Cteni1=Ez 36,24-28
Perikopa=L 15,11-32

[21.7.2030]
Cteni1=Mi 5,1-4
Cteni2=1Te 5,16-24
Cteni3=Mk 10,13-16
Perikopa=L 24,13-35

[22.7.2030]
Cteni1=Ž 23
Cteni2=Žd 11,1-6

[23.7.2030]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[24.7.2030]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39
Cteni3=J 1,1-14

[25.7.2030]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[26.7.2030]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[28.7.2030]
Cteni1=Iz 52,7-10
Cteni2=Fp 4,4-7
Cteni3=J 20,24-29
Perikopa=J 2,1-11

[29.7.2030]
Cteni1=Jr 31,31-34
Cteni2=Ko 3,12-17

[30.7.2030]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[31.7.2030]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6
Cteni3=Mk 1,14-20

[1.8.2030]
Cteni1=Ž 23
Cteni2=1J 4,7-12

[2.8.2030]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[3.8.2030]
Cteni1=Gn 1,1-5

[4.8.2030]
Cteni1=Ex 3,1-15
Cteni2=Ga 5,22-26
Cteni3=J 1,1-14
Perikopa=J 11,17-27

[5.8.2030]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[6.8.2030]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[8.8.2030]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24

[9.8.2030]
Cteni1=Ez 36,24-28
Cteni2=Žd 11,1-6

[10.8.2030]
Cteni1=Mi 5,1-4
Perikopa=J 11,17-27

[11.8.2030]
Cteni1=Ž 23
Cteni2=Ø 8,28-39
Cteni3=Mk 1,14-20
Perikopa=Mt 7,24-29

[12.8.2030]
Cteni1=Ž 121
Cteni2=1K 13,1-13

[13.8.2030]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[14.8.2030]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10
Cteni3=L 10,25-37

[15.8.2030]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[16.8.2030]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[18.8.2030]
Cteni1=Jr 31,31-34
Cteni2=Žd 11,1-6
Cteni3=J 15,1-8
Perikopa=Mk 4,35-41

[19.8.2030]
Cteni1=Ez 36,24-28
Cteni2=1J 4,7-12

[20.8.2030]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39
Perikopa=L 24,13-35

[21.8.2030]
Cteni1=Ž 23
Cteni2=1K 13,1-13
Cteni3=Mt 6,25-34

[22.8.2030]
Cteni1=Ž 121
Cteni2=Ga 5,22-26

[23.8.2030]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[24.8.2030]
Cteni1=Ex 3,1-15

[25.8.2030]
Cteni1=Dt 6,4-9
Cteni2=Ko 3,12-17
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[26.8.2030]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24

[28.8.2030]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12
Cteni3=J 10,11-18

[29.8.2030]
Cteni1=Ez 36,24-28
Cteni2=Ø 8,28-39

[30.8.2030]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13
Perikopa=Mk 4,35-41

[31.8.2030]
Cteni1=Ž 23

[1.9.2030]
Cteni1=Ž 121
Cteni2=Ef 2,4-10
Cteni3=Mt 6,25-34
Perikopa=L 24,13-35

[2.9.2030]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7

[3.9.2030]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[4.9.2030]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24
Cteni3=L 2,1-14

[5.9.2030]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Perikopa=Mk 4,35-41

[6.9.2030]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12

[8.9.2030]
Cteni1=Ez 36,24-28
Cteni2=1K 13,1-13
Cteni3=J 10,11-18
Perikopa=J 2,1-11

[9.9.2030]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26

[10.9.2030]
Cteni1=Ž 23
Cteni2=Ef 2,4-10
Perikopa=Mt 7,24-29

[11.9.2030]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Cteni3=Mt 5,1-12

[12.9.2030]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17

[13.9.2030]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[14.9.2030]
Cteni1=Dt 6,4-9

[15.9.2030]
Cteni1=Iz 40,1-11
Cteni2=1J 4,7-12
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[16.9.2030]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39

[18.9.2030]
Cteni1=Ez 36,24-28
Cteni2=Ga 5,22-26
Cteni3=J 3,16-21

[19.9.2030]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10

[20.9.2030]
Cteni1=Ž 23
Cteni2=Fp 4,4-7
Perikopa=J 2,1-11

[21.9.2030]
Cteni1=Ž 121

[22.9.2030]
Cteni1=Gn 1,1-5
Cteni2=1Te 5,16-24
Cteni3=Mt 5,1-12
Perikopa=Mt 7,24-29

[23.9.2030]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6

[24.9.2030]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[25.9.2030]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39
Cteni3=Mk 10,13-16
Perikopa=L 24,13-35

[26.9.2030]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13

[28.9.2030]
Cteni1=Ez 36,24-28

[29.9.2030]
Cteni1=Mi 5,1-4
Cteni2=Fp 4,4-7
Cteni3=J 3,16-21
Perikopa=Mk 4,35-41

[30.9.2030]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[1.10.2030]
Cteni1=Ž 121
Cteni2=1Te 5,16-24

[2.10.2030]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6
Cteni3=J 20,24-29

[3.10.2030]
Cteni1=Ex 3,1-15
Cteni2=1J 4,7-12

[4.10.2030]
Cteni1=Dt 6,4-9
Cteni2=Ø 8,28-39

[5.10.2030]
Cteni1=Iz 40,1-11
Perikopa=Mk 4,35-41

[6.10.2030]
Cteni1=Iz 52,7-10
Cteni2=Ga 5,22-26
Cteni3=Mk 10,13-16
Perikopa=L 15,11-32

[8.10.2030]
Cteni1=Ez 36,24-28
Cteni2=Fp 4,4-7

[9.10.2030]
Cteni1=Mi 5,1-4
Cteni2=Ko 3,12-17
Cteni3=J 1,1-14

[10.10.2030]
Cteni1=Ž 23
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[11.10.2030]
Cteni1=Ž 121
Cteni2=Žd 11,1-6

[12.10.2030]
Cteni1=Gn 1,1-5

[13.10.2030]
Cteni1=Ex 3,1-15
Cteni2=Ø 8,28-39
Cteni3=J 20,24-29
Perikopa=L 24,13-35

[14.10.2030]
Cteni1=Dt 6,4-9
Cteni2=1K 13,1-13

[15.10.2030]
Cteni1=Iz 40,1-11
Cteni2=Ga 5,22-26
Perikopa=J 11,17-27

[16.10.2030]
Cteni1=Iz 52,7-10
Cteni2=Ef 2,4-10
Cteni3=Mk 1,14-20

[18.10.2030]
Cteni1=Ez 36,24-28
Cteni2=Ko 3,12-17

[19.10.2030]
Cteni1=Mi 5,1-4

[20.10.2030]
Cteni1=Ž 23
Cteni2=Žd 11,1-6
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[21.10.2030]
Cteni1=Ž 121
Cteni2=1J 4,7-12

[22.10.2030]
Cteni1=Gn 1,1-5
Cteni2=Ø 8,28-39

[23.10.2030]
Cteni1=Ex 3,1-15
Cteni2=1K 13,1-13
Cteni3=J 15,1-8

[24.10.2030]
Cteni1=Dt 6,4-9
Cteni2=Ga 5,22-26

[25.10.2030]
Cteni1=Iz 40,1-11
Cteni2=Ef 2,4-10
Perikopa=L 24,13-35

[26.10.2030]
Cteni1=Iz 52,7-10

[28.10.2030]
Cteni1=Ez 36,24-28
Cteni2=1Te 5,16-24

[29.10.2030]
Cteni1=Mi 5,1-4
Cteni2=Žd 11,1-6

[30.10.2030]
Cteni1=Ž 23
Cteni2=1J 4,7-12
Cteni3=L 10,25-37
Perikopa=L 15,11-32

[31.10.2030]
Cteni1=Ž 121
Cteni2=Ø 8,28-39

[1.11.2030]
Cteni1=Gn 1,1-5
Cteni2=1K 13,1-13

[2.11.2030]
Cteni1=Ex 3,1-15

[3.11.2030]
Cteni1=Dt 6,4-9
Cteni2=Ef 2,4-10
Cteni3=J 15,1-8
Perikopa=Mt 7,24-29

[4.11.2030]
Cteni1=Iz 40,1-11
Cteni2=Fp 4,4-7

[5.11.2030]
Cteni1=Iz 52,7-10
Cteni2=Ko 3,12-17
Perikopa=L 15,11-32

[6.11.2030]
Cteni1=Jr 31,31-34
Cteni2=1Te 5,16-24
Cteni3=Mt 6,25-34

[8.11.2030]
Cteni1=Mi 5,1-4
Cteni2=1J 4,7-12

[9.11.2030]
Cteni1=Ž 23

[10.11.2030]
Cteni1=Ž 121
Cteni2=1K 13,1-13
Cteni3=L 10,25-37
Perikopa=Mk 4,35-41

[11.11.2030]
Cteni1=Gn 1,1-5
Cteni2=Ga 5,22-26

[12.11.2030]
Cteni1=Ex 3,1-15
Cteni2=Ef 2,4-10

[13.11.2030]
Cteni1=Dt 6,4-9
Cteni2=Fp 4,4-7
Cteni3=J 10,11-18

[14.11.2030]
Cteni1=Iz 40,1-11
Cteni2=Ko 3,12-17

[15.11.2030]
Cteni1=Iz 52,7-10
Cteni2=1Te 5,16-24
Perikopa=Mt 7,24-29

[16.11.2030]
Cteni1=Jr 31,31-34

[18.11.2030]
Cteni1=Mi 5,1-4
Cteni2=Ø 8,28-39

[19.11.2030]
Cteni1=Ž 23
Cteni2=1K 13,1-13

[20.11.2030]
Cteni1=Ž 121
Cteni2=Ga 5,22-26
Cteni3=L 2,1-14
Perikopa=J 11,17-27

[21.11.2030]
Cteni1=Gn 1,1-5
Cteni2=Ef 2,4-10

[22.11.2030]
Cteni1=Ex 3,1-15
Cteni2=Fp 4,4-7

[23.11.2030]
Cteni1=Dt 6,4-9

[24.11.2030]
Cteni1=Iz 40,1-11
Cteni2=1Te 5,16-24
Cteni3=J 10,11-18
Perikopa=L 24,13-35

[25.11.2030]
Cteni1=Iz 52,7-10
Cteni2=Žd 11,1-6
Perikopa=J 2,1-11

[26.11.2030]
Cteni1=Jr 31,31-34
Cteni2=1J 4,7-12

[28.11.2030]
Cteni1=Mi 5,1-4
Cteni2=1K 13,1-13

[29.11.2030]
Cteni1=Ž 23
Cteni2=Ga 5,22-26

[30.11.2030]
Cteni1=Ž 121
Perikopa=L 24,13-35

[1.12.2030]
Cteni1=Gn 1,1-5
Cteni2=Fp 4,4-7
Cteni3=L 2,1-14
Perikopa=J 2,1-11

[2.12.2030]
Cteni1=Ex 3,1-15
Cteni2=Ko 3,12-17

[3.12.2030]
Cteni1=Dt 6,4-9
Cteni2=1Te 5,16-24

[4.12.2030]
Cteni1=Iz 40,1-11
Cteni2=Žd 11,1-6
Cteni3=J 3,16-21

[5.12.2030]
Cteni1=Iz 52,7-10
Cteni2=1J 4,7-12
Perikopa=L 15,11-32

[6.12.2030]
Cteni1=Jr 31,31-34
Cteni2=Ø 8,28-39

[8.12.2030]
Cteni1=Mi 5,1-4
Cteni2=Ga 5,22-26
Cteni3=Mt 5,1-12
Perikopa=J 11,17-27

[9.12.2030]
Cteni1=Ž 23
Cteni2=Ef 2,4-10

[10.12.2030]
Cteni1=Ž 121
Cteni2=Fp 4,4-7
Perikopa=Mk 4,35-41

[11.12.2030]
Cteni1=Gn 1,1-5
Cteni2=Ko 3,12-17
Cteni3=Mk 10,13-16

[12.12.2030]
Cteni1=Ex 3,1-15
Cteni2=1Te 5,16-24

[13.12.2030]
Cteni1=Dt 6,4-9
Cteni2=Žd 11,1-6

[14.12.2030]
Cteni1=Iz 40,1-11

[15.12.2030]
Cteni1=Iz 52,7-10
Cteni2=Ø 8,28-39
Cteni3=J 3,16-21
Perikopa=Mt 7,24-29

[16.12.2030]
Cteni1=Jr 31,31-34
Cteni2=1K 13,1-13

[18.12.2030]
Cteni1=Mi 5,1-4
Cteni2=Ef 2,4-10
Cteni3=J 20,24-29

[19.12.2030]
Cteni1=Ž 23
Cteni2=Fp 4,4-7

[20.12.2030]
Cteni1=Ž 121
Cteni2=Ko 3,12-17
Perikopa=J 11,17-27

[21.12.2030]
Cteni1=Gn 1,1-5

[22.12.2030]
Cteni1=Ex 3,1-15
Cteni2=Žd 11,1-6
Cteni3=Mk 10,13-16
Perikopa=Mk 4,35-41

[23.12.2030]
Cteni1=Dt 6,4-9
Cteni2=1J 4,7-12

[24.12.2030]
Cteni1=Iz 40,1-11
Cteni2=Ø 8,28-39

[25.12.2030]
Cteni1=Iz 52,7-10
Cteni2=1K 13,1-13
Cteni3=J 1,1-14
Perikopa=J 2,1-11

[26.12.2030]
Cteni1=Jr 31,31-34
Cteni2=Ga 5,22-26

[28.12.2030]
Cteni1=Mi 5,1-4

[29.12.2030]
Cteni1=Ž 23
Cteni2=Ko 3,12-17
Cteni3=J 20,24-29
Perikopa=L 15,11-32

[30.12.2030]
Cteni1=Ž 121
Cteni2=1Te 5,16-24
Perikopa=L 24,13-35

[31.12.2030]
Cteni1=Gn 1,1-5
Cteni2=Žd 11,1-6

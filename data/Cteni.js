; Ètení na jednotlivé dny roku 1999 (ukázková data)

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

-- The EFV catalogue the reference projects in reference/ were calculated with.
CREATE TABLE EFV_Parameters (ID TEXT NOT NULL UNIQUE, model TEXT, operating_pres REAL, operating_pres_unit TEXT, flow_unit TEXT, normal_flow REAL, normal_pres_drop REAL, pres_drop_unit TEXT, trip_flow REAL, trip_pres_drop REAL);
INSERT INTO "EFV_Parameters" VALUES('EFV-F285','Model F-285',2.0,'in WC','kBTU/h',188.6,0.31,'in WC',285.0,2.22);
INSERT INTO "EFV_Parameters" VALUES('EFV-U525','Model U-525',7.0,'psi','kBTU/h',370.8,0.27,'in WC',525.0,0.81);
INSERT INTO "EFV_Parameters" VALUES('EFV-K135','Model K-135',7.0,'psi','kBTU/h',91.5,0.199,'in WC',135.0,1.92);
INSERT INTO "EFV_Parameters" VALUES('EFV-G320','Model G-320',0.5,'psi','kBTU/h',240.0,0.32,'in WC',320.0,2.03);
INSERT INTO "EFV_Parameters" VALUES('EFV-P270','Model P-270',7.0,'in WC','kBTU/h',174.7,0.18,'in WC',270.0,1.15);
INSERT INTO "EFV_Parameters" VALUES('EFV-J242','Model J-242',7.0,'psi','kBTU/h',187.0,0.37,'in WC',242.1,0.74);
INSERT INTO "EFV_Parameters" VALUES('EFV-T595','Model T-595',7.0,'in WC','kBTU/h',409.1,0.118,'in WC',595.0,1.1);
INSERT INTO "EFV_Parameters" VALUES('EFV-H384','Model H-384',0.5,'in WC','kBTU/h',271.3,0.345,'in WC',384.9,1.26);
INSERT INTO "EFV_Parameters" VALUES('EFV-R364','Model R-364',7.0,'psi','kBTU/h',257.4,0.11,'in WC',364.9,1.3);
